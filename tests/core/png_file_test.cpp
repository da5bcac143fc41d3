#include "pictures/png_file.h"

#include <gtest/gtest.h>

#include "png_chunks.h"

using namespace rublet;
using testing_support::PngHead;

TEST(ReadPngHeader, TakesASoundHeaderAndRefusesBrokenOrHugeOnes) {
    const auto header = ReadPngHeader(PngHead(64, 128, 8, 6));
    ASSERT_TRUE(header);
    EXPECT_EQ(std::pair(header->Width, header->Height), std::pair(64u, 128u));
    EXPECT_TRUE(ReadPngHeader(PngHead(4096, 1, 1, 0)) && ReadPngHeader(PngHead(3, 3, 4, 3)));
    std::vector<std::uint8_t> flipped = PngHead(64, 64, 8, 6), cut = flipped;
    flipped[19] ^= 0x01, cut.pop_back();
    // Too wide, empty, a depth the colour type does not allow, no such colour type, checksum, cut.
    for (const auto& bad : {PngHead(4097, 1, 8, 6), PngHead(0, 5, 8, 6), PngHead(5, 5, 4, 6), PngHead(5, 5, 16, 3),
                            PngHead(5, 5, 8, 5), flipped, cut})
        EXPECT_FALSE(ReadPngHeader(bad)) << testing::PrintToString(bad);
    EXPECT_TRUE(StartsAsPng(cut));
    EXPECT_FALSE(StartsAsPng({cut.data(), 7}));
}
