// The window region against the pixels it must hold.
#include "pictures/region.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

using namespace rublet;

// The region holds exactly the pixels other than the corner colour, and
// nothing beyond the picture: on pictures of several sizes, a share of the
// pixels transparent, in blocks of one colour that make runs line up.
TEST(ShapeRegion, HoldsExactlyThePixelsOtherThanTheCornerColourOfRandomPictures) {
    const COLORREF transparent = RGB(12, 34, 56);
    for (const auto& [width, height, percentTransparent, blockSize] :
         std::vector<std::array<int, 4>>{{1, 1, 100, 1}, {2, 1, 50, 1}, {1, 40, 50, 1}, {40, 1, 50, 1}, {17, 13, 10, 1},
                                         {33, 31, 90, 1}, {64, 48, 30, 4}, {150, 100, 50, 1}, {129, 257, 70, 3},
                                         {300, 200, 20, 10}}) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        std::mt19937 random(static_cast<unsigned>(width * 7919 + height * 31 + percentTransparent));
        for (int round = 0; round < 3; ++round) {
            std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
            for (int by = 0; by < height; by += blockSize)
                for (int bx = 0; bx < width; bx += blockSize) {
                    const bool clear = static_cast<int>(random() % 100) < percentTransparent;
                    // Near misses of the transparent colour must stay in the shape.
                    const COLORREF colour = clear ? transparent
                                                  : random() % 4 == 0 ? RGB(12, 34, 57)
                                                                      : RGB(random() % 256, random() % 256, 9);
                    for (int y = by; y < std::min(by + blockSize, height); ++y)
                        for (int x = bx; x < std::min(bx + blockSize, width); ++x)
                            pixels[static_cast<std::size_t>(y) * width + x] = DibPixelOf(colour);
                }
            std::vector<RunRect> runs;
            ScanPictureRuns(runs, transparent, {pixels.data(), width, height, width});
            const UniqueRegion region = BuildShapeRegion(runs);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    ASSERT_EQ(::PtInRegion(region.get(), x, y) != FALSE,
                              pixels[static_cast<std::size_t>(y) * width + x] != DibPixelOf(transparent))
                        << "pixel " << x << "," << y;
            RECT box{};
            ::GetRgnBox(region.get(), &box);
            ASSERT_TRUE(box.right <= width && box.bottom <= height) << "beyond the picture";
        }
    }
}
