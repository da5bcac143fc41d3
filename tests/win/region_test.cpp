// The window region against the pixels it must hold; the real program's
// shape is held against its pictures by the scenarios.
#include "shape/region.h"

#include <gtest/gtest.h>

#include <random>

#include "support.h"

namespace rublet {
namespace {

UniqueRegion RegionOf(const PixelView& view, COLORREF transparent) {
    std::vector<RunRect> runs;
    ScanPictureRuns(runs, transparent, view);
    return BuildShapeRegion(runs);
}

// True when the region holds exactly the pixels other than `transparent`.
testing::AssertionResult HoldsExactlyTheOtherPixels(HRGN region, const PixelView& view, COLORREF transparent) {
    for (int y = 0; y < view.Height; ++y)
        for (int x = 0; x < view.Width; ++x) {
            const bool shown = (view.Pixels[y * view.Stride + x] & 0xFFFFFF) != DibPixelOf(transparent);
            if ((::PtInRegion(region, x, y) != FALSE) != shown)
                return testing::AssertionFailure() << "pixel " << x << "," << y << (shown ? " missing" : " extra");
        }
    RECT box{};
    ::GetRgnBox(region, &box);
    if (box.right > view.Width || box.bottom > view.Height) return testing::AssertionFailure() << "beyond the picture";
    return testing::AssertionSuccess();
}

struct RandomCase {
    int width, height, percentTransparent;
    int blockSize;  // blocks of one colour make runs that line up vertically
};

class ShapeRegionOnRandomPictures : public testing::TestWithParam<RandomCase> {};

TEST_P(ShapeRegionOnRandomPictures, HoldsExactlyThePixelsOtherThanTheCornerColour) {
    const RandomCase c = GetParam();
    std::mt19937 random(static_cast<unsigned>(c.width * 7919 + c.height * 31 + c.percentTransparent));
    const COLORREF transparent = RGB(12, 34, 56);
    for (int round = 0; round < 3; ++round) {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(c.width) * c.height);
        for (int by = 0; by < c.height; by += c.blockSize)
            for (int bx = 0; bx < c.width; bx += c.blockSize) {
                const bool clear = static_cast<int>(random() % 100) < c.percentTransparent;
                // Near misses of the transparent colour must stay in the shape.
                const COLORREF colour = clear ? transparent
                                              : (random() % 4 == 0 ? RGB(12, 34, 57) : RGB(random() % 256, random() % 256, 9));
                for (int y = by; y < std::min(by + c.blockSize, c.height); ++y)
                    for (int x = bx; x < std::min(bx + c.blockSize, c.width); ++x)
                        pixels[static_cast<std::size_t>(y) * c.width + x] = DibPixelOf(colour);
            }
        const PixelView view{pixels.data(), c.width, c.height, c.width};
        ASSERT_TRUE(HoldsExactlyTheOtherPixels(RegionOf(view, transparent).get(), view, transparent));
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
