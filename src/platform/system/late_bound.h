#pragma once
// A function of a system DLL, loaded at its first call rather than at
// start-up. Under Wine the DLLs behind the event sound, the open-file dialog
// and the common controls cost Rublet a third of its start-up, and the bin
// needs none of them to show.

#include <windows.h>

namespace rublet {

// The function, or null when the DLL or the function is not there. The DLL
// comes from the system folder only (or from the side-by-side assembly that
// the manifest names), and stays loaded for the process.
template <class Function>
[[nodiscard]] Function* LateBound(const wchar_t* library, const char* name) noexcept {
    const HMODULE module = ::LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

}  // namespace rublet
