#include "pictures/picture_paths.h"

#include <gtest/gtest.h>

using namespace rublet;

TEST(PicturePaths, TheDefaultLiesInTheProgramsFolderAndFullComesBeforeTheExtensionOfTheName) {
    EXPECT_EQ(DefaultPicturePath(L"C:\\"), L"C:\\Rublet.bmp");
    for (const auto& [path, full] : {std::pair{L"C:\\Tools\\Rublet.bmp", L"C:\\Tools\\Rublet_full.bmp"},
                                     {L"D:\\絵.pics\\ごみ箱.large.gif", L"D:\\絵.pics\\ごみ箱.large_full.gif"},
                                     {L"D:\\my.pics\\bin", L"D:\\my.pics\\bin_full"}, {L"bin.ico", L"bin_full.ico"}})
        EXPECT_EQ(FullPicturePath(path), full);
    // Without a stored picture, the bins that suit the display, largest first.
    using Paths = std::vector<std::wstring>;
    const std::wstring bin = L"C:\\R\\Rublet.bmp", bin64 = L"C:\\R\\Rublet64.png", bin128 = L"C:\\R\\Rublet128.png";
    for (const auto& [dpi, paths] : {std::pair{96, Paths{bin}}, {143, Paths{bin}}, {144, Paths{bin64, bin}},
                                     {287, Paths{bin64, bin}}, {288, Paths{bin128, bin64, bin}}})
        EXPECT_EQ(DefaultPicturePaths(L"C:\\R", dpi), paths) << dpi;
    // A stored path to any of them stands for the default bin; the user's own picture does not.
    for (const std::wstring& path : {bin, bin64, bin128, std::wstring(L"c:\\r\\RUBLET64.PNG")})
        EXPECT_TRUE(IsDefaultPicturePath(path, L"C:\\R")) << path;
    // As earlier versions stored it for a program at a drive's root.
    EXPECT_TRUE(IsDefaultPicturePath(L"C:\\\\Rublet.bmp", L"C:\\"));
    for (const wchar_t* path : {L"C:\\R\\Rublet_full.bmp", L"C:\\R\\sub\\Rublet.bmp", L"D:\\R\\Rublet.bmp", L""})
        EXPECT_FALSE(IsDefaultPicturePath(path, L"C:\\R")) << path;
}
