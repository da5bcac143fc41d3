#include "shape/region.h"

#include <gtest/gtest.h>

#include <random>

#include "layouts/resource_ids.h"
#include "platform/picture.h"
#include "reference_region.h"
#include "support.h"

namespace rublet {
namespace {

using reference::Canvas;
using reference::RegionRects;

UniqueRegion RegionOf(const PixelView& view, COLORREF transparent) {
    std::vector<RunRect> runs;
    ScanPictureRuns(runs, transparent, view);
    return BuildShapeRegion(runs);
}

TEST(ShapeRegion, IsExactlyThePixelsOtherThanTheCornerColour) {
    Canvas canvas(3, 2);
    const COLORREF white = RGB(255, 255, 255), red = RGB(255, 0, 0);
    canvas.Set(0, 0, white), canvas.Set(1, 0, red), canvas.Set(2, 0, red);
    canvas.Set(0, 1, white), canvas.Set(1, 1, red), canvas.Set(2, 1, white);
    EXPECT_EQ(RegionRects(RegionOf(canvas.View(), ::GetPixel(canvas.dc(), 0, 0)).get()),
              (std::vector<RECT>{{1, 0, 3, 1}, {1, 1, 2, 2}}));
    RECT box{};
    EXPECT_EQ(::GetRgnBox(BuildShapeRegion({}).get(), &box), NULLREGION);
}

TEST(ShapeRegion, OfTheDefaultBinIsTheBinAlone) {
    auto picture = Picture::FromResource(::GetModuleHandleW(nullptr), IDR_DEFAULT_PICTURE);
    ASSERT_TRUE(picture);
    PictureBox box;
    box.SetPicture(std::move(*picture));
    ASSERT_EQ(box.Point(0, 0), RGB(255, 0, 128));
    const UniqueRegion region = RegionOf(box.Pixels(), RGB(255, 0, 128));
    int inside = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(::PtInRegion(region.get(), x, y) != FALSE, box.Point(x, y) != RGB(255, 0, 128)) << x << "," << y;
            inside += box.Point(x, y) != RGB(255, 0, 128);
        }
    EXPECT_GT(inside, 500) << "the bin fills most of the picture";
}

struct RandomCase {
    int width, height, percentTransparent;
    int blockSize;  // blocks of one colour make runs that line up vertically
};

class ShapeRegionOnRandomPictures : public testing::TestWithParam<RandomCase> {};

TEST_P(ShapeRegionOnRandomPictures, EqualsTheStepByStepReference) {
    const RandomCase c = GetParam();
    std::mt19937 random(static_cast<unsigned>(c.width * 7919 + c.height * 31 + c.percentTransparent));
    const COLORREF transparent = RGB(12, 34, 56);
    for (int round = 0; round < 3; ++round) {
        Canvas canvas(c.width, c.height);
        for (int by = 0; by < c.height; by += c.blockSize)
            for (int bx = 0; bx < c.width; bx += c.blockSize) {
                const bool clear = static_cast<int>(random() % 100) < c.percentTransparent;
                // Near misses of the transparent colour must stay in the shape.
                const COLORREF colour = clear ? transparent
                                              : (random() % 4 == 0 ? RGB(12, 34, 57) : RGB(random() % 256, random() % 256, 9));
                for (int y = by; y < std::min(by + c.blockSize, c.height); ++y)
                    for (int x = bx; x < std::min(bx + c.blockSize, c.width); ++x) canvas.Set(x, y, colour);
            }
        canvas.Set(0, 0, transparent);
        const UniqueRegion expected =
            reference::BuildWithCombineRgn(reference::ScanWithGetPixel(canvas.dc(), c.width, c.height, transparent));
        ASSERT_EQ(RegionRects(RegionOf(canvas.View(), transparent).get()), RegionRects(expected.get()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ShapeRegionOnRandomPictures,
    testing::Values(RandomCase{1, 1, 100, 1}, RandomCase{2, 1, 50, 1}, RandomCase{1, 40, 50, 1},
                    RandomCase{40, 1, 50, 1}, RandomCase{17, 13, 10, 1}, RandomCase{33, 31, 90, 1},
                    RandomCase{64, 48, 30, 4}, RandomCase{150, 100, 50, 1}, RandomCase{129, 257, 70, 3},
                    RandomCase{300, 200, 20, 10}));

}  // namespace
}  // namespace rublet
