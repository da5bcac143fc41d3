#pragma once
// A function of a system DLL, loaded at its first call rather than at
// start-up: the DLLs behind the event sound and the open-file dialog cost
// Rublet a fifth of its start-up under Wine, and most runs never call them.

#include <windows.h>

namespace rublet {

// The function, or null when the DLL or the function is not there. The DLL
// comes from the system folder only, and stays loaded for the process.
template <class Function>
[[nodiscard]] Function* LateBound(const wchar_t* library, const char* name) noexcept {
    const HMODULE module = ::LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

}  // namespace rublet
