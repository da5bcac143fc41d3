#include "platform/portable/paths.h"

#include <gtest/gtest.h>

using namespace rublet;

TEST(Paths, TheModulesFolderKeepsOnlyADriveRootsBackslashAndFullPathsReachBeyondMaxPath) {
    EXPECT_EQ(DirectoryOfModule(L"C:\\Rublet.exe"), L"C:\\");
    EXPECT_EQ(DirectoryOfModule(L"\\\\server\\share\\Rublet.exe"), L"\\\\server\\share");
    EXPECT_EQ(ExtendedLengthPath(L"C:\\a"), L"\\\\?\\C:\\a");
    EXPECT_EQ(ExtendedLengthPath(L"\\\\server\\share\\f"), L"\\\\?\\UNC\\server\\share\\f");
    for (const wchar_t* as_is : {L"\\\\?\\C:\\a", L"\\\\.\\D:", L"relative", L"C:a"})
        EXPECT_EQ(ExtendedLengthPath(as_is), as_is);
}

TEST(IsDriveOrShareRoot, KnowsRootsFromWhatLiesBelowThem) {
    for (const wchar_t* root : {L"C:\\", L"c:", L"Z:/", L"\\\\server\\share", L"\\\\server\\share\\", L"\\\\?\\C:\\",
                                L"\\\\?\\UNC\\server\\share", L"\\\\.\\D:", L"\\"})
        EXPECT_TRUE(IsDriveOrShareRoot(root)) << testing::PrintToString(root);
    for (const wchar_t* below : {L"C:\\a", L"C:\\a\\", L"\\\\server\\share\\f", L"\\\\?\\C:\\x",
                                 L"\\\\?\\UNC\\server\\share\\x", L"relative", L"C:a", L""})
        EXPECT_FALSE(IsDriveOrShareRoot(below)) << testing::PrintToString(below);
}
