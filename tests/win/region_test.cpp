#include "pictures/region.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace rublet;

namespace {

// The same shape made the plain way: one rectangle region a pixel, united.
UniqueRegion PixelByPixel(const std::vector<std::vector<bool>>& pixels) {
    UniqueRegion shape(::CreateRectRgn(0, 0, 0, 0));
    for (int y = 0; y < static_cast<int>(pixels.size()); ++y)
        for (int x = 0; x < static_cast<int>(pixels[y].size()); ++x)
            if (pixels[y][x]) {
                const UniqueRegion pixel(::CreateRectRgn(x, y, x + 1, y + 1));
                ::CombineRgn(shape.get(), shape.get(), pixel.get(), RGN_OR);
            }
    return shape;
}

}  // namespace

// Built in batches merged pairwise, the region is every run and nothing
// else: equal to the pixel-by-pixel union for shapes of many batch sizes,
// with the box of the outermost runs, and empty for no runs.
TEST(ShapeRegion, IsTheUnionOfItsRunsAndNothingElse) {
    std::mt19937 random(20261208);
    for (const int rows : {1, 7, 33, 80}) {
        std::vector<std::vector<bool>> pixels(rows, std::vector<bool>(41));
        for (auto& row : pixels)
            for (std::size_t x = 0; x < row.size(); ++x) row[x] = random() % 3 != 0;
        pixels[0][3] = pixels[rows - 1][37] = true;
        // The picture's runs, from its pixels: white is cut away.
        std::vector<std::uint32_t> bits;
        for (const auto& row : pixels)
            for (const bool on : row) bits.push_back(on ? 0x000000FFu : 0x00FFFFFFu);
        std::vector<RunRect> runs;
        ScanPictureRuns(runs, RGB(255, 255, 255), {bits.data(), 41, rows, 41});
        const UniqueRegion built = BuildShapeRegion(runs), expected = PixelByPixel(pixels);
        EXPECT_TRUE(::EqualRgn(built.get(), expected.get())) << rows << " rows, " << runs.size() << " runs";
        RECT box{}, expectedBox{};
        EXPECT_EQ(::GetRgnBox(built.get(), &box), ::GetRgnBox(expected.get(), &expectedBox));
        EXPECT_TRUE(::EqualRect(&box, &expectedBox)) << box.left << "," << box.top << "," << box.right << "," << box.bottom;
    }
    const UniqueRegion none = BuildShapeRegion({});
    RECT box{1, 1, 1, 1};
    EXPECT_EQ(::GetRgnBox(none.get(), &box), NULLREGION);
}
