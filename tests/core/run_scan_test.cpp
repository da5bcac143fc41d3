#include "pictures/run_scan.h"

#include <gtest/gtest.h>

#include "pictures/bitmap_file.h"
#include "pictures/png_file.h"
#include "platform/portable/paths.h"
#include "png_chunks.h"

namespace {
using namespace rublet;
using Runs = std::vector<RunRect>;
using testing_support::PngHead;

TEST(ScanRuns, CompareWholeColoursInTheDibLayoutOrTheAlphaAloneAndFollowTheStride) {
    // Red, 0x000000FF as 0x00BBGGRR, is 0x00FF0000 in the DIB. A 2-wide view into 3-wide rows whose last
    // pixel lies outside; in the view's second column each colour in turn is off by one, all of alpha 0.
    const std::uint32_t pixels[] = {0x00FF0000u, 0x00FF0001u, 0, 0x01FF0000u, 0x00FF0100u, 0, 0xFFFF0000u, 0x00FE0000u, 0};
    Runs runs = {{9, 9, 10, 9}}, alpha;
    ScanPictureRuns(runs, 0x000000FF, {pixels, 2, 3, 3});
    EXPECT_EQ(runs, (Runs{{9, 9, 10, 9}, {1, 0, 2, 0}, {1, 1, 2, 1}, {1, 2, 2, 2}}));
    ScanAlphaRuns(alpha, {pixels, 2, 3, 3});
    EXPECT_EQ(alpha, (Runs{{0, 1, 1, 1}, {0, 2, 1, 2}})) << "alpha 1 is kept";
}

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

TEST(Paths, TheModulesFolderKeepsOnlyADriveRootsBackslashAndFullPathsReachBeyondMaxPath) {
    EXPECT_EQ(DirectoryOfModule(L"C:\\Rublet.exe"), L"C:\\");
    EXPECT_EQ(DirectoryOfModule(L"\\\\server\\share\\Rublet.exe"), L"\\\\server\\share");
    EXPECT_EQ(ExtendedLengthPath(L"\\\\server\\share\\f"), L"\\\\?\\UNC\\server\\share\\f");
    for (const wchar_t* as_is : {L"\\\\?\\C:\\a", L"\\\\.\\D:", L"relative", L"C:a"})
        EXPECT_EQ(ExtendedLengthPath(as_is), as_is);
}

}  // namespace
