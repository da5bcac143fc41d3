#pragma once
// What the Windows tests, the probe and the benchmarks share: the sandbox
// check, registry values, empty files, drops and the commit charge.

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>
#include <shlobj.h>

#include <fstream>
#include <string>
#include <vector>

namespace rublet::testing_support {

// Tests that write the registry, delete files or empty the Recycle Bin run
// only in the throwaway Wine prefix of scripts/wine-sandbox, which alone
// writes the token of RUBLET_SANDBOX_TOKEN to C:\rublet-sandbox.token.
[[nodiscard]] inline bool InSandbox() {
    static const bool inSandbox = [] {
        wchar_t expected[256] = {};
        std::wifstream file("C:\\rublet-sandbox.token");
        std::wstring token;
        return ::GetEnvironmentVariableW(L"RUBLET_SANDBOX_TOKEN", expected, 256) > 0 && file >> token &&
               token == expected;
    }();
    return inSandbox;
}
#define RUBLET_SKIP_OUTSIDE_SANDBOX()                                                               \
    if (!::rublet::testing_support::InSandbox())                                                    \
    GTEST_SKIP() << "only in the prefix of scripts/wine-sandbox: this test writes the registry, " \
                    "deletes files or empties the Recycle Bin"

inline void StoreRegValue(HKEY root, const std::wstring& subkey, const std::wstring& name, DWORD type,
                          const std::wstring& text) {
    ::RegSetKeyValueW(root, subkey.c_str(), name.c_str(), type, text.c_str(),
                      static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// Creates the file, or empties it.
inline void WriteEmptyFile(const std::wstring& path) {
    ::CloseHandle(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

// An HDROP as the shell makes it, with `padding` bytes of ballast after the paths.
[[nodiscard]] inline HDROP MakeDrop(const std::vector<std::wstring>& paths, SIZE_T padding = 0) {
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    const SIZE_T listBytes = (list.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(DROPFILES) + listBytes + padding);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
    *header = {sizeof(DROPFILES), {0, 0}, FALSE, TRUE};
    BYTE* bytes = reinterpret_cast<BYTE*>(header + 1);
    ::CopyMemory(bytes, list.c_str(), listBytes);
    ::FillMemory(bytes + listBytes, padding, 0x5A);  // the ballast is touched, so it counts
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// The process's committed memory: PagefileUsage, as Wine leaves PrivateUsage at 0.
[[nodiscard]] inline SIZE_T CommittedBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    ::GetProcessMemoryInfo(process, &counters, sizeof counters);
    return counters.PagefileUsage;
}

}  // namespace rublet::testing_support
