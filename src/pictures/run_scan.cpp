#include "pictures/run_scan.h"

namespace rublet {
namespace {

// The pixels for which `clear` holds are cut out.
template <typename Clear>
void ScanRuns(std::vector<RunRect>& ShapeRuns, const PixelView& picture, Clear clear) {
    for (int y = 0; y < picture.Height; ++y) {
        const std::uint32_t* row = picture.Pixels + y * picture.Stride;
        int x = 0;
        while (x < picture.Width) {
            while (x < picture.Width && clear(row[x])) ++x;
            if (x == picture.Width) break;
            const int left = x;
            while (x < picture.Width && !clear(row[x])) ++x;
            ShapeRuns.push_back({left, y, x, y});
        }
    }
}

}  // namespace

void ScanPictureRuns(std::vector<RunRect>& ShapeRuns, std::uint32_t TransparentColor,
                     const PixelView& picture) {
    constexpr std::uint32_t ColourBits = 0x00FFFFFFu;
    const std::uint32_t transparent = DibPixelOf(TransparentColor) & ColourBits;
    ScanRuns(ShapeRuns, picture, [transparent](std::uint32_t pixel) { return (pixel & ColourBits) == transparent; });
}

void ScanAlphaRuns(std::vector<RunRect>& ShapeRuns, const PixelView& picture) {
    ScanRuns(ShapeRuns, picture, [](std::uint32_t pixel) { return (pixel >> 24) == 0; });
}

}  // namespace rublet
