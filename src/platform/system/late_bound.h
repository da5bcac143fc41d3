#pragma once
// Functions that the program finds at run time rather than through its
// import table: those of system DLLs loaded at their first call (under Wine
// the DLLs behind the event sound, the open-file dialog and the common
// controls cost a third of the start-up, and the bin needs none of them to
// show), Wine's own exports, and a DLL's of the program's own.
//
// Each name is written once, as a RuntimeName record that lies whole in the
// program's file behind its tag, so that scripts/check-programs can hold it
// against the DLL's exports in either architecture without running the
// program: a name the import table does not hold is otherwise seen first
// when the call finds nothing.

#include <windows.h>

namespace rublet {

struct RuntimeName {
    char Tag[16];
    wchar_t Library[32];
    char Function[64];
    // Windows' own, which Wine's DLL does not export: the program goes
    // without it there.
    char WindowsOnly;
};

// The record the file holds for `library`!`function`, both literals.
#define RUBLET_RUNTIME_NAME(library, function) RUBLET_RUNTIME_RECORD(library, function, 0)
#define RUBLET_WINDOWS_ONLY_NAME(library, function) RUBLET_RUNTIME_RECORD(library, function, 1)
#define RUBLET_RUNTIME_RECORD(library, function, windowsOnly)                                            \
    ([]() noexcept -> const ::rublet::RuntimeName& {                                                    \
        static constexpr ::rublet::RuntimeName record{"rublet:runtime", library, function, windowsOnly}; \
        return record;                                                                                   \
    }())

// The function of a DLL that is loaded already, or null.
template <class Function>
[[nodiscard]] Function* Exported(HMODULE module, const RuntimeName& name) noexcept {
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(module, name.Function)))
                  : nullptr;
}

// The function, or null when the DLL or the function is not there. The DLL
// comes from the system folder only (or from the side-by-side assembly that
// the manifest names), and stays loaded for the process.
template <class Function>
[[nodiscard]] Function* LateBound(const RuntimeName& name) noexcept {
    return Exported<Function>(::LoadLibraryExW(name.Library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), name);
}

// The function of a DLL that the process has loaded, by the DLL's name.
template <class Function>
[[nodiscard]] Function* LoadedExport(const RuntimeName& name) noexcept {
    return Exported<Function>(::GetModuleHandleW(name.Library), name);
}

}  // namespace rublet
