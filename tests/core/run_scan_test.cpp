#include "shape/run_scan.h"

#include <gtest/gtest.h>

#include <string_view>

#include "platform/bitmap_file.h"
#include "platform/paths.h"
#include "platform/png_file.h"
#include "png_chunks.h"

namespace rublet {
namespace {

constexpr std::uint32_t White = 0x00FFFFFF;

// A picture from rows of characters: '.' is white, the corner colour; any
// other letter a colour of its own.
std::vector<std::uint32_t> Pixels(std::initializer_list<std::string_view> rows) {
    std::vector<std::uint32_t> pixels;
    for (std::string_view row : rows)
        for (char c : row) pixels.push_back(c == '.' ? White : static_cast<unsigned char>(c));
    return pixels;
}

std::vector<RunRect> Scan(const std::vector<std::uint32_t>& pixels, int width, std::uint32_t transparent = White) {
    std::vector<RunRect> runs;
    ScanPictureRuns(runs, transparent, {pixels.data(), width, static_cast<int>(pixels.size()) / width, width});
    return runs;
}

TEST(ScanPictureRuns, GivesOneRunPerStretchOfPixelsOtherThanTheCornerColour) {
    EXPECT_EQ(Scan(Pixels({".rr", ".r."}), 3), (std::vector<RunRect>{{1, 0, 3, 0}, {1, 1, 2, 1}}));
    EXPECT_EQ(Scan(Pixels({"..ab", "c..."}), 4), (std::vector<RunRect>{{2, 0, 4, 0}, {0, 1, 1, 1}}))
        << "a run ends at the row's end and never wraps";
    EXPECT_EQ(Scan(Pixels({".....", "...x."}), 5), (std::vector<RunRect>{{3, 1, 4, 1}}));
    EXPECT_EQ(Scan(Pixels({".....", ".xxx.", ".x.x.", ".xxx."}), 5),
              (std::vector<RunRect>{{1, 1, 4, 1}, {1, 2, 2, 2}, {3, 2, 4, 2}, {1, 3, 4, 3}}))
        << "an enclosed area of the corner colour is a hole";
    EXPECT_TRUE(Scan(Pixels({"....", "...."}), 4).empty());
}

TEST(ScanPictureRuns, ComparesWholeColoursInThePlatformsLayoutIgnoringTheTopByte) {
    for (const std::uint32_t offByOne : {0x00FFFFFEu, 0x00FFFEFFu, 0x00FEFFFFu})
        EXPECT_EQ(Scan({White, offByOne}, 2), (std::vector<RunRect>{{1, 0, 2, 0}})) << std::hex << offByOne;
    // 0x00BBGGRR red is 0x00FF0000 in the DIB.
    EXPECT_EQ(Scan({0x00FF0000u, 0x000000FFu}, 2, 0x000000FF), (std::vector<RunRect>{{1, 0, 2, 0}}));
    EXPECT_TRUE(Scan({0xFF000000u | White, 0x12000000u | White}, 2).empty());
}

TEST(ScanPictureRuns, FollowsTheStrideAndAppendsToTheList) {
    const std::vector<std::uint32_t> pixels = Pixels({".ax", "b.x"});
    std::vector<RunRect> runs = {{9, 9, 10, 9}};
    ScanPictureRuns(runs, White, {pixels.data(), 2, 2, 3});  // a 2-wide view into 3-wide rows
    EXPECT_EQ(runs, (std::vector<RunRect>{{9, 9, 10, 9}, {1, 0, 2, 0}, {0, 1, 1, 1}}));
}

TEST(ScanAlphaRuns, CutsOutOnlyThePixelsOfAlphaZero) {
    // Colours do not count, a pixel of alpha 1 is kept.
    const std::vector<std::uint32_t> pixels = {0x00FFFFFFu, 0x01000000u, 0xFF000000u, 0x00123456u,
                                               0x80808080u, 0x00000000u, 0x00000000u, 0xFFFFFFFFu};
    std::vector<RunRect> runs;
    ScanAlphaRuns(runs, {pixels.data(), 4, 2, 4});
    EXPECT_EQ(runs, (std::vector<RunRect>{{1, 0, 3, 0}, {0, 1, 1, 1}, {3, 1, 4, 1}}));
}

// A PNG header of the given size and kind, its checksum right.
std::vector<std::uint8_t> PngHead(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t type) {
    std::vector<std::uint8_t> file = testing_support::PngSignature(), header;
    testing_support::PutBigEndian32(header, width);
    testing_support::PutBigEndian32(header, height);
    header.insert(header.end(), {depth, type, 0, 0, 0});
    testing_support::PutPngChunk(file, "IHDR", header);
    return file;
}

TEST(ReadPngHeader, TakesASoundHeaderAndRefusesBrokenOrHugeOnes) {
    const auto header = ReadPngHeader(PngHead(64, 128, 8, 6));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->Width, 64u);
    EXPECT_EQ(header->Height, 128u);
    EXPECT_TRUE(ReadPngHeader(PngHead(4096, 1, 1, 0)));
    EXPECT_TRUE(ReadPngHeader(PngHead(3, 3, 4, 3)));
    EXPECT_FALSE(ReadPngHeader(PngHead(100000, 100000, 8, 6))) << "claims far too much";
    EXPECT_FALSE(ReadPngHeader(PngHead(4097, 1, 8, 6)));
    EXPECT_FALSE(ReadPngHeader(PngHead(0, 5, 8, 6)));
    EXPECT_FALSE(ReadPngHeader(PngHead(5, 5, 4, 6))) << "a depth the colour type does not allow";
    EXPECT_FALSE(ReadPngHeader(PngHead(5, 5, 16, 3)));
    EXPECT_FALSE(ReadPngHeader(PngHead(5, 5, 8, 5))) << "no such colour type";
    std::vector<std::uint8_t> flipped = PngHead(64, 64, 8, 6);
    flipped[19] ^= 0x01;
    EXPECT_FALSE(ReadPngHeader(flipped)) << "checksum";
    const std::vector<std::uint8_t> whole = PngHead(64, 64, 8, 6);
    EXPECT_FALSE(ReadPngHeader({whole.data(), whole.size() - 1})) << "cut";
    EXPECT_TRUE(StartsAsPng(whole));
    EXPECT_FALSE(StartsAsPng({whole.data(), 7}));
}

TEST(IsWholeIfBitmap, RefusesABitmapShorterThanItsHeadersSay) {
    // A 7 x 5 24-bit bitmap: 54 bytes of headers, 5 rows of 24 bytes.
    std::vector<std::uint8_t> file(54 + 5 * 24, 0);
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M', file[26] = 1, file[28] = 24;
    put32(10, 54), put32(14, 40), put32(18, 7), put32(22, 5);
    EXPECT_TRUE(IsWholeIfBitmap(file));
    put32(22, static_cast<std::uint32_t>(-5));
    EXPECT_TRUE(IsWholeIfBitmap(file)) << "top-down";
    put32(22, 0x00FFFFFF);
    EXPECT_FALSE(IsWholeIfBitmap(file)) << "millions of rows claimed";
    put32(22, 5);
    for (const std::size_t size : {file.size() - 1, std::size_t{60}, std::size_t{30}})
        EXPECT_FALSE(IsWholeIfBitmap({file.data(), size})) << size;
    EXPECT_TRUE(IsWholeIfBitmap(std::vector<std::uint8_t>{'G', 'I', 'F', '8', '9', 'a'})) << "left to the decoder";
}

TEST(DirectoryOfModule, KeepsTheBackslashOfADriveRootOnly) {
    EXPECT_EQ(DirectoryOfModule(L"C:\\Tools\\Rublet.exe"), L"C:\\Tools");
    EXPECT_EQ(DirectoryOfModule(L"C:\\Rublet.exe"), L"C:\\");
    EXPECT_EQ(DirectoryOfModule(L"\\\\server\\share\\Rublet.exe"), L"\\\\server\\share");
}

TEST(ExtendedLengthPath, ReachesBeyondMaxPathForFullPathsOnly) {
    EXPECT_EQ(ExtendedLengthPath(L"C:\\a b"), L"\\\\?\\C:\\a b");
    EXPECT_EQ(ExtendedLengthPath(L"\\\\server\\share\\f"), L"\\\\?\\UNC\\server\\share\\f");
    for (const wchar_t* as_is : {L"\\\\?\\C:\\a", L"\\\\.\\D:", L"relative", L"C:a"})
        EXPECT_EQ(ExtendedLengthPath(as_is), as_is);
}

}  // namespace
}  // namespace rublet
