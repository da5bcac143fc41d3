#include "shape/run_scan.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "platform/paths.h"

namespace rublet {
namespace {

constexpr std::uint32_t White = 0x00FFFFFF;  // the same in both layouts
constexpr std::uint32_t RedColorRef = 0x000000FF;

// A picture from rows of characters: '.' is the corner colour `background`
// (0x00BBGGRR), any other letter a colour of its own.
class TestPicture {
public:
    TestPicture(std::initializer_list<std::string_view> rows, std::uint32_t background = White) {
        height_ = static_cast<int>(rows.size());
        width_ = static_cast<int>(rows.begin()->size());
        for (std::string_view row : rows)
            for (char c : row)
                pixels_.push_back(c == '.' ? DibPixelOf(background) : DibPixelOf(0x00010000u * static_cast<unsigned char>(c)));
    }
    [[nodiscard]] PixelView View() const { return {pixels_.data(), width_, height_, width_}; }
    std::vector<std::uint32_t>& Pixels() { return pixels_; }

private:
    std::vector<std::uint32_t> pixels_;
    int width_ = 0;
    int height_ = 0;
};

std::vector<RunRect> Scan(const PixelView& view, std::uint32_t transparent = White) {
    std::vector<RunRect> runs;
    ScanPictureRuns(runs, transparent, view);
    return runs;
}

TEST(ScanPictureRuns, ThreeByTwoPicture) {
    const std::vector<std::uint32_t> pixels = {DibPixelOf(White), DibPixelOf(RedColorRef), DibPixelOf(RedColorRef),
                                               DibPixelOf(White), DibPixelOf(RedColorRef), DibPixelOf(White)};
    const auto runs = Scan({pixels.data(), 3, 2, 3});
    EXPECT_EQ(runs, (std::vector<RunRect>{{1, 0, 3, 0}, {1, 1, 2, 1}}));
}

TEST(ScanPictureRuns, ARunReachingTheRowsEndEndsAtTheWidthAndNeverWraps) {
    const TestPicture picture({"..ab", "c..."});
    EXPECT_EQ(Scan(picture.View()), (std::vector<RunRect>{{2, 0, 4, 0}, {0, 1, 1, 1}}));
}

TEST(ScanPictureRuns, ASinglePixel) {
    const TestPicture picture({".....", ".....", "...x.", "....."});
    EXPECT_EQ(Scan(picture.View()), (std::vector<RunRect>{{3, 2, 4, 2}}));
}

TEST(ScanPictureRuns, AnEnclosedAreaOfTheCornerColourIsAHole) {
    const TestPicture picture({".....", ".xxx.", ".x.x.", ".xxx."});
    EXPECT_EQ(Scan(picture.View()),
              (std::vector<RunRect>{{1, 1, 4, 1}, {1, 2, 2, 2}, {3, 2, 4, 2}, {1, 3, 4, 3}}));
}

TEST(ScanPictureRuns, AColourOneUnitOffInAnyChannelIsKept) {
    for (const std::uint32_t offByOne : {0x00FFFFFEu, 0x00FFFEFFu, 0x00FEFFFFu}) {
        const std::vector<std::uint32_t> pixels = {DibPixelOf(White), DibPixelOf(offByOne)};
        EXPECT_EQ(Scan({pixels.data(), 2, 1, 2}), (std::vector<RunRect>{{1, 0, 2, 0}})) << std::hex << offByOne;
    }
}

TEST(ScanPictureRuns, ComparesTheColourInThePlatformsLayout) {
    // 0x00BBGGRR red is 0x00FF0000 in the DIB: the transparent colour must
    // be converted, not compared as it stands.
    const std::vector<std::uint32_t> pixels = {0x00FF0000u, 0x000000FFu};
    EXPECT_EQ(Scan({pixels.data(), 2, 1, 2}, RedColorRef), (std::vector<RunRect>{{1, 0, 2, 0}}));
}

TEST(ScanPictureRuns, TheTopByteOfAPixelDoesNotCount) {
    const std::vector<std::uint32_t> pixels = {0xFF000000u | DibPixelOf(White), 0x12000000u | DibPixelOf(White)};
    EXPECT_TRUE(Scan({pixels.data(), 2, 1, 2}).empty());
}

TEST(ScanPictureRuns, APictureOfOnlyTheCornerColourHasNoRuns) {
    const TestPicture picture({"....", "...."});
    EXPECT_TRUE(Scan(picture.View()).empty());
}

TEST(ScanPictureRuns, FollowsTheStrideAndAppendsToTheList) {
    // A 2-wide view into 3-wide rows: the third column is outside it.
    const TestPicture picture({".ax", "b.x"});
    std::vector<RunRect> runs = {{9, 9, 10, 9}};
    ScanPictureRuns(runs, White, {picture.View().Pixels, 2, 2, 3});
    EXPECT_EQ(runs, (std::vector<RunRect>{{9, 9, 10, 9}, {1, 0, 2, 0}, {0, 1, 1, 1}}));
}

TEST(DirectoryOfModule, KeepsTheBackslashOfADriveRootOnly) {
    EXPECT_EQ(DirectoryOfModule(L"C:\\Tools\\Rublet.exe"), L"C:\\Tools");
    EXPECT_EQ(DirectoryOfModule(L"C:\\Rublet.exe"), L"C:\\");
    EXPECT_EQ(DirectoryOfModule(L"\\\\server\\share\\Rublet.exe"), L"\\\\server\\share");
}

}  // namespace
}  // namespace rublet
