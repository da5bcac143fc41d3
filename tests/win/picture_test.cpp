#include "platform/picture.h"

#include <gtest/gtest.h>

#include "layouts/resource_ids.h"
#include "pictures.h"
#include "shape/run_scan.h"
#include "support.h"

namespace rublet {
namespace {

using testing_support::Image;

std::wstring Scratch(const wchar_t* name) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + name;
}

TEST(Picture, TheEmbeddedDefaultIsA32By32BinOnItsBackground) {
    auto picture = Picture::FromResource(::GetModuleHandleW(nullptr), IDR_DEFAULT_PICTURE);
    ASSERT_TRUE(picture);
    PictureBox box;
    box.SetPicture(std::move(*picture));
    EXPECT_EQ(box.ScaleWidth() * 100 + box.ScaleHeight(), 3232);
    EXPECT_EQ(box.Point(31, 31), RGB(255, 0, 128));
    EXPECT_NE(box.Point(16, 16), RGB(255, 0, 128));
}

TEST(Picture, ABitmapFileIsReadPixelForPixel) {
    Image image{7, 5, {}};
    for (int i = 0; i < 35; ++i) image.pixels.push_back(RGB(i * 7, 255 - i, i % 2 ? 3 : 250));
    testing_support::WriteFile(Scratch(L"絵 7x5.bmp"), testing_support::Bmp24(image));
    auto picture = Picture::FromFile(Scratch(L"絵 7x5.bmp"));
    ASSERT_TRUE(picture);
    PictureBox box;
    box.SetPicture(std::move(*picture));
    ASSERT_EQ(box.ScaleWidth() * 100 + box.ScaleHeight(), 705);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) ASSERT_EQ(box.Point(x, y), image.at(x, y)) << x << "," << y;
}

TEST(Picture, TransparentPartsOfAnIconShowTheHoldersBackgroundWhateverItIs) {
    // A 16 x 16 black icon, its top-left pixel included, masked out but for a 6 x 4 block.
    Image image{16, 16, std::vector<COLORREF>(256, RGB(0, 0, 0))};
    std::vector<bool> hidden(256, true);
    for (int y = 5; y < 9; ++y)
        for (int x = 3; x < 9; ++x) {
            hidden[static_cast<std::size_t>(y) * 16 + x] = false;
            image.pixels[static_cast<std::size_t>(y) * 16 + x] = RGB(10, 20, 200);
        }
    testing_support::WriteFile(Scratch(L"block.ico"), testing_support::Icon(image, hidden));
    auto picture = Picture::FromFile(Scratch(L"block.ico"));
    ASSERT_TRUE(picture);
    PictureBox box;
    box.SetPicture(std::move(*picture));
    box.SetBackColor(RGB(255, 0, 128));
    std::vector<RunRect> runs, expected;
    ScanPictureRuns(runs, box.Point(0, 0), box.Pixels());
    for (int y = 5; y < 9; ++y) expected.push_back({3, y, 9, y});
    EXPECT_EQ(runs, expected);
    EXPECT_EQ(box.Point(3, 5), RGB(10, 20, 200));
}

TEST(Picture, WhatIsNoReadablePictureGivesNothing) {
    testing_support::WriteFile(Scratch(L"empty.bmp"), "");
    testing_support::WriteFile(Scratch(L"text.bmp"), "not a picture");
    testing_support::WriteFile(Scratch(L"cut.bmp"), testing_support::Bmp24({8, 8, std::vector<COLORREF>(64)}).substr(0, 30));
    for (const std::wstring& path : {Scratch(L"no such file.bmp"), std::wstring(), Scratch(L""), Scratch(L"empty.bmp"),
                                     Scratch(L"text.bmp"), Scratch(L"cut.bmp")})
        EXPECT_FALSE(Picture::FromFile(path)) << testing::PrintToString(path);
}

}  // namespace
}  // namespace rublet
