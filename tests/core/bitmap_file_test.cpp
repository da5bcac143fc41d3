#include "platform/bitmap_file.h"

#include <gtest/gtest.h>

#include <vector>

namespace rublet {
namespace {

// A 24-bit bitmap file of the given size, with its pixels.
std::vector<std::uint8_t> Bitmap(int width, int height) {
    const std::uint32_t row = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
    const std::uint32_t size = 54 + row * static_cast<std::uint32_t>(height < 0 ? -height : height);
    std::vector<std::uint8_t> file(size, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1, file[28] = 24;
    return file;
}

TEST(IsWholeIfBitmap, AcceptsWholeBitmapsAndRejectsCutOnes) {
    EXPECT_TRUE(IsWholeIfBitmap(Bitmap(7, 5)));
    EXPECT_TRUE(IsWholeIfBitmap(Bitmap(7, -5))) << "top-down";
    for (const std::size_t cut : {1u, 30u, 53u}) {
        std::vector<std::uint8_t> file = Bitmap(7, 5);
        file.resize(file.size() - cut);
        EXPECT_FALSE(IsWholeIfBitmap(file)) << cut;
    }
    std::vector<std::uint8_t> huge = Bitmap(1, 1);
    huge[22] = 0xFF, huge[23] = 0xFF, huge[24] = 0xFF;  // claims millions of rows
    EXPECT_FALSE(IsWholeIfBitmap(huge));
}

TEST(IsWholeIfBitmap, LeavesOtherFormatsToTheDecoder) {
    const std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a'};
    EXPECT_TRUE(IsWholeIfBitmap(gif));
    EXPECT_TRUE(IsWholeIfBitmap({}));
}

}  // namespace
}  // namespace rublet
