#include "platform/picture.h"

#include <gtest/gtest.h>

#include "layouts/resource_ids.h"
#include "shape/run_scan.h"
#include "test_pictures.h"

namespace rublet {
namespace {

using testing_pictures::Image;

constexpr COLORREF Background = RGB(255, 0, 128);

Image Checker(int width, int height, COLORREF a, COLORREF b) {
    Image image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.pixels.push_back(((x + y) % 2) ? a : b);
    return image;
}

std::wstring Scratch(const wchar_t* name) { return testing_pictures::ScratchFolder() + L"\\" + name; }

TEST(Picture, TheEmbeddedDefaultIsTheBinOnItsBackground) {
    auto picture = Picture::FromResource(::GetModuleHandleW(nullptr), IDR_DEFAULT_PICTURE);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 32);
    EXPECT_EQ(picture->Height(), 32);
    PictureBox box;
    box.SetPicture(std::move(*picture));
    EXPECT_EQ(box.Point(0, 0), Background);
    EXPECT_EQ(box.Point(31, 31), Background);
    EXPECT_NE(box.Point(16, 16), Background);
}

TEST(Picture, ABitmapFileIsReadPixelForPixel) {
    Image image = Checker(7, 5, RGB(1, 2, 3), RGB(250, 251, 252));
    image.pixels[3] = RGB(0, 0, 255);
    const std::wstring path = Scratch(L"絵 7x5.bmp");
    testing_pictures::WriteFile(path, testing_pictures::Bmp24(image));

    auto picture = Picture::FromFile(path);
    ASSERT_TRUE(picture);
    PictureBox box;
    box.SetPicture(std::move(*picture));
    ASSERT_EQ(box.ScaleWidth(), 7);
    ASSERT_EQ(box.ScaleHeight(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) ASSERT_EQ(box.Point(x, y), image.at(x, y)) << x << "," << y;
    const PixelView view = box.Pixels();
    EXPECT_EQ(view.Pixels[3] & 0xFFFFFF, DibPixelOf(RGB(0, 0, 255)));
}

TEST(Picture, TransparentPartsOfAnIconShowTheHoldersBackgroundWhateverItIs) {
    // A 16 x 16 icon: a 6 x 4 opaque block, the rest masked out, the
    // top-left pixel included.
    Image image{16, 16, std::vector<COLORREF>(256, RGB(0, 0, 0))};
    std::vector<bool> transparent(256, true);
    for (int y = 5; y < 9; ++y)
        for (int x = 3; x < 9; ++x) {
            transparent[static_cast<std::size_t>(y) * 16 + x] = false;
            image.pixels[static_cast<std::size_t>(y) * 16 + x] = RGB(10, 20, 200);
        }
    const std::wstring path = Scratch(L"block.ico");
    testing_pictures::WriteFile(path, testing_pictures::Icon(image, transparent));

    auto picture = Picture::FromFile(path);
    ASSERT_TRUE(picture);
    PictureBox box;
    box.SetPicture(std::move(*picture));
    const COLORREF corner = box.Point(0, 0);
    EXPECT_EQ(corner, ::GetSysColor(COLOR_BTNFACE)) << "the holder's own background";
    box.SetBackColor(RGB(255, 0, 128));
    EXPECT_EQ(box.Point(0, 0), RGB(255, 0, 128));
    EXPECT_EQ(box.Point(15, 15), RGB(255, 0, 128));
    EXPECT_EQ(box.Point(3, 5), RGB(10, 20, 200));
    std::vector<RunRect> runs;
    ScanPictureRuns(runs, box.Point(0, 0), box.Pixels());
    std::vector<RunRect> expected;
    for (int y = 5; y < 9; ++y) expected.push_back({3, y, 9, y});
    EXPECT_EQ(runs, expected);
}

TEST(Picture, TheTransparentColourOfAGifIsTheBackground) {
    const COLORREF palette[4] = {RGB(0, 0, 0), RGB(200, 0, 0), RGB(0, 200, 0), RGB(9, 9, 9)};
    const std::vector<std::uint8_t> indexes = {3, 3, 3, 3, 3,  //
                                               3, 1, 1, 2, 3,  //
                                               3, 3, 3, 3, 3};
    const std::wstring path = Scratch(L"shape.gif");
    testing_pictures::WriteFile(path, testing_pictures::Gif(5, 3, indexes, palette, 3));
    auto picture = Picture::FromFile(path);
    ASSERT_TRUE(picture);
    PictureBox box;
    box.SetPicture(std::move(*picture));
    ASSERT_EQ(box.ScaleWidth(), 5);
    ASSERT_EQ(box.ScaleHeight(), 3);
    box.SetBackColor(RGB(1, 2, 3));
    EXPECT_EQ(box.Point(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(box.Point(1, 1), RGB(200, 0, 0));
    EXPECT_EQ(box.Point(3, 1), RGB(0, 200, 0));
    EXPECT_EQ(box.Point(4, 2), RGB(1, 2, 3));
}

TEST(Picture, WhatIsNoReadablePictureGivesNothing) {
    EXPECT_FALSE(Picture::FromFile(Scratch(L"no such file.bmp")));
    EXPECT_FALSE(Picture::FromFile(L""));
    EXPECT_FALSE(Picture::FromFile(testing_pictures::ScratchFolder())) << "a folder";
    testing_pictures::WriteFile(Scratch(L"empty.bmp"), {});
    EXPECT_FALSE(Picture::FromFile(Scratch(L"empty.bmp")));
    testing_pictures::WriteFile(Scratch(L"text.bmp"), {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'});
    EXPECT_FALSE(Picture::FromFile(Scratch(L"text.bmp")));
    std::vector<std::uint8_t> truncated = testing_pictures::Bmp24(Checker(8, 8, 0, 0xFFFFFF));
    truncated.resize(30);
    testing_pictures::WriteFile(Scratch(L"truncated.bmp"), truncated);
    EXPECT_FALSE(Picture::FromFile(Scratch(L"truncated.bmp")));
}

}  // namespace
}  // namespace rublet
