#include "drop/shell_file_system.h"

#include <gtest/gtest.h>

#include "platform/portable/case_folding.h"
#include "support.h"

using namespace rublet;

// A file that another handle holds without delete sharing is in use, for as
// long as that handle lives; one held with delete sharing is not.
TEST(ShellFileSystem, TellsAFileHeldOpenWithoutDeleteSharing) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    const std::wstring path = L"T:\\held.txt";
    testing_support::WriteEmptyFile(path);
    ShellFileSystem files;
    EXPECT_FALSE(files.InUse(path));
    for (const DWORD sharing : {FILE_SHARE_READ, FILE_SHARE_READ | FILE_SHARE_DELETE}) {
        const HANDLE held = ::CreateFileW(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_EQ(files.InUse(path), !(sharing & FILE_SHARE_DELETE)) << sharing;
        ::CloseHandle(held);
    }
    EXPECT_FALSE(files.InUse(path));
    EXPECT_FALSE(files.InUse(L"T:\\no such file")) << "what is not there is not in use";
    ::DeleteFileW(path.c_str());
}

// Two names that the system's upper case makes one are one for the
// program too: for every code unit, where the system maps it, ours maps it
// the same way (ours may take more names for one, which only refuses more).
TEST(CaseFolding, TakesForOneEveryPairThatTheSystemTakesForOne) {
    int differ = 0;  // the first ten are named
    for (unsigned unit = 1; unit < 0x10000; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF) continue;
        wchar_t system = static_cast<wchar_t>(unit);
        ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, &system, 1, &system, 1, nullptr, nullptr, 0);
        if (system != static_cast<wchar_t>(unit) && UpperCaseUnit(static_cast<wchar_t>(unit)) != system && differ++ < 10)
            ADD_FAILURE() << std::hex << "U+" << unit << ": the system gives U+" << static_cast<unsigned>(system)
                          << ", the program U+" << static_cast<unsigned>(UpperCaseUnit(static_cast<wchar_t>(unit)));
    }
}
