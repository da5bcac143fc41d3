#include "shape/region.h"

#include <gtest/gtest.h>

#include <random>

#include "layouts/resource_ids.h"
#include "platform/picture.h"
#include "canvas.h"
#include "reference_region.h"

// Found by argument lookup for RECT, which lives in the global namespace.
static bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace rublet {
namespace {

using testing_pictures::Canvas;

std::vector<RunRect> Scan(const PixelView& view, COLORREF transparent) {
    std::vector<RunRect> runs;
    ScanPictureRuns(runs, transparent, view);
    return runs;
}

TEST(ShapeRegion, ThreeByTwoPicture) {
    Canvas canvas(3, 2);
    const COLORREF white = RGB(255, 255, 255), red = RGB(255, 0, 0);
    canvas.Set(0, 0, white), canvas.Set(1, 0, red), canvas.Set(2, 0, red);
    canvas.Set(0, 1, white), canvas.Set(1, 1, red), canvas.Set(2, 1, white);
    const UniqueRegion region = BuildShapeRegion(Scan(canvas.View(), ::GetPixel(canvas.dc(), 0, 0)));
    EXPECT_EQ(reference::RegionRects(region.get()), (std::vector<RECT>{{1, 0, 3, 1}, {1, 1, 2, 2}}));
}

TEST(ShapeRegion, NoRunsGiveAnEmptyRegion) {
    const UniqueRegion region = BuildShapeRegion({});
    RECT box{};
    EXPECT_EQ(::GetRgnBox(region.get(), &box), NULLREGION);
}

TEST(ShapeRegion, TheDefaultBinIsExactlyItsNonBackgroundPixels) {
    auto picture = Picture::FromResource(::GetModuleHandleW(nullptr), IDR_DEFAULT_PICTURE);
    ASSERT_TRUE(picture);
    PictureBox box;
    box.SetPicture(std::move(*picture));
    const COLORREF transparent = box.Point(0, 0);
    ASSERT_EQ(transparent, RGB(255, 0, 128));
    box.SetBackColor(transparent);
    const UniqueRegion region = BuildShapeRegion(Scan(box.Pixels(), transparent));

    int inside = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(::PtInRegion(region.get(), x, y) != FALSE, box.Point(x, y) != transparent) << x << "," << y;
            inside += box.Point(x, y) != transparent;
        }
    EXPECT_GT(inside, 500) << "the bin fills most of the picture";

    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.get(), box.Bitmap());
    const UniqueRegion expected =
        reference::BuildWithCombineRgn(reference::ScanWithGetPixel(dc.get(), 32, 32, transparent));
    EXPECT_EQ(reference::RegionRects(region.get()), reference::RegionRects(expected.get()));
}

struct RandomCase {
    int width;
    int height;
    int percentTransparent;
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

        const std::vector<RunRect> referenceRuns =
            reference::ScanWithGetPixel(canvas.dc(), c.width, c.height, transparent);
        const std::vector<RunRect> runs = Scan(canvas.View(), transparent);
        ASSERT_EQ(runs, referenceRuns);
        const UniqueRegion fast = BuildShapeRegion(runs);
        const UniqueRegion expected = reference::BuildWithCombineRgn(referenceRuns);
        ASSERT_TRUE(::EqualRgn(fast.get(), expected.get()));
        ASSERT_EQ(reference::RegionRects(fast.get()), reference::RegionRects(expected.get()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ShapeRegionOnRandomPictures,
    testing::Values(RandomCase{1, 1, 100, 1}, RandomCase{2, 1, 50, 1}, RandomCase{1, 40, 50, 1},
                    RandomCase{40, 1, 50, 1}, RandomCase{17, 13, 10, 1}, RandomCase{32, 32, 50, 1},
                    RandomCase{33, 31, 90, 1}, RandomCase{64, 48, 30, 4}, RandomCase{100, 75, 50, 5},
                    RandomCase{150, 100, 50, 1}, RandomCase{129, 257, 70, 3}, RandomCase{300, 200, 20, 10}));

}  // namespace
}  // namespace rublet
