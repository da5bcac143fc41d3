// The bin's pictures loaded from a PNG with alpha through the real decoder:
// the alpha found and premultiplied, the outline taken from the alpha.
#include "pictures/bin_pictures.h"

#include <gtest/gtest.h>

#include <fstream>

#include "png_chunks.h"
#include "support.h"

namespace {
using namespace rublet;
using namespace testing_support;

// An 8-bit RGBA PNG of `rows` (0xAARRGGBB), its data one stored deflate block.
std::vector<std::uint8_t> Png(std::uint32_t width, const std::vector<std::vector<std::uint32_t>>& rows) {
    std::vector<std::uint8_t> raw;
    for (const auto& row : rows) {
        raw.push_back(0);  // no filter
        for (const std::uint32_t p : row)
            for (const int shift : {16, 8, 0, 24}) raw.push_back(static_cast<std::uint8_t>(p >> shift));
    }
    std::vector<std::uint8_t> zlib = {0x78, 0x01, 1};  // one final stored block: its length, and that inverted
    for (const std::size_t byte : {raw.size(), raw.size() >> 8, ~raw.size(), ~raw.size() >> 8})
        zlib.push_back(static_cast<std::uint8_t>(byte));
    zlib.insert(zlib.end(), raw.begin(), raw.end());
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : raw) a = (a + byte) % 65521, b = (b + a) % 65521;
    PutBigEndian32(zlib, b << 16 | a);
    std::vector<std::uint8_t> file = PngHead(width, static_cast<std::uint32_t>(rows.size()), 8, 6);
    PutPngChunk(file, "IDAT", zlib);
    PutPngChunk(file, "IEND", {});
    return file;
}

TEST(PngPictures, WithAlphaArePremultipliedAndCutToTheirAlpha) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    const std::wstring path = L"T:\\rublet_png_test.png";  // the sandbox's own drive, thrown away with it
    const auto file = Png(3, {{0x00FFFFFFu, 0xFFFF0000u, 0x80FFFFFFu}, {0x01000000u, 0x00123456u, 0xFF00FF00u}});
    std::ofstream(path.c_str(), std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                        static_cast<std::streamsize>(file.size()));
    const auto loaded = LoadBinPictures(path);
    const auto* pictures = std::get_if<BinPictures>(&loaded);
    ASSERT_TRUE(pictures);
    const PictureBox& box = pictures->Empty.Box;
    ASSERT_TRUE(box.HasAlpha());
    ASSERT_EQ(std::pair(box.ScaleWidth(), box.ScaleHeight()), std::pair(3, 2));
    const PixelView pixels = box.Pixels();
    EXPECT_EQ(pixels.Pixels[1], 0xFFFF0000u);
    EXPECT_EQ(pixels.Pixels[2] >> 24, 0x80u);
    EXPECT_NEAR(static_cast<int>(pixels.Pixels[2] & 0xFF), 0x80, 1) << "white at half alpha, premultiplied";
    EXPECT_EQ(pictures->Empty.Runs, (std::vector<RunRect>{{1, 0, 3, 0}, {0, 1, 1, 1}, {2, 1, 3, 1}}))
        << "every pixel of alpha above 0, whatever its colour";
    ::DeleteFileW(path.c_str());
}

}  // namespace
