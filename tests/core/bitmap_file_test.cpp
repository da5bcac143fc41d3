#include "pictures/bitmap_file.h"

#include <gtest/gtest.h>

using namespace rublet;

TEST(IsWholeIfBitmap, RefusesABitmapShorterThanItsHeadersSay) {
    // A 7 x 5 24-bit bitmap: 54 bytes of headers, 5 rows of 24 bytes.
    std::vector<std::uint8_t> file(54 + 5 * 24, 0);
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M', file[26] = 1, file[28] = 24;
    put32(10, 54), put32(14, 40), put32(18, 7), put32(22, static_cast<std::uint32_t>(-5));
    EXPECT_TRUE(IsWholeIfBitmap(file)) << "top-down";
    EXPECT_FALSE(IsWholeIfBitmap({file.data(), file.size() - 1}));
    EXPECT_FALSE(IsWholeIfBitmap({file.data(), 30})) << "cut in its headers";
    put32(22, 0x00FFFFFF);
    EXPECT_FALSE(IsWholeIfBitmap(file)) << "millions of rows claimed";
    EXPECT_TRUE(IsWholeIfBitmap(std::vector<std::uint8_t>{'G', 'I', 'F', '8', '9', 'a'})) << "left to the decoder";
}
