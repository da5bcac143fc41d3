#pragma once
// What the Windows tests and the benchmarks share: the sandbox check,
// registry values, empty files and drops.

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace rublet::testing_support {

// Tests that write the registry, delete files or empty the Recycle Bin run
// only in the throwaway Wine prefix of scripts/wine-sandbox, which alone
// writes the token of RUBLET_SANDBOX_TOKEN to C:\rublet-sandbox.token.
[[nodiscard]] bool InSandbox();
#define RUBLET_SKIP_OUTSIDE_SANDBOX()                                                               \
    if (!::rublet::testing_support::InSandbox())                                                    \
    GTEST_SKIP() << "only in the prefix of scripts/wine-sandbox: this test writes the registry, " \
                    "deletes files or empties the Recycle Bin"

void StoreRegValue(HKEY root, const std::wstring& subkey, const std::wstring& name, DWORD type,
                   const std::wstring& text);

// Creates the file, or empties it.
void WriteEmptyFile(const std::wstring& path);

// An HDROP as the shell makes it, with `padding` bytes of ballast after the paths.
[[nodiscard]] HDROP MakeDrop(const std::vector<std::wstring>& paths, SIZE_T padding = 0);

}  // namespace rublet::testing_support
