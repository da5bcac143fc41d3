#include "shape/run_scan.h"

namespace rublet {

void ScanPictureRuns(std::vector<RunRect>& ShapeRuns, std::uint32_t TransparentColor,
                     const PixelView& picture) {
    constexpr std::uint32_t ColourBits = 0x00FFFFFFu;
    const std::uint32_t transparent = DibPixelOf(TransparentColor) & ColourBits;
    for (int y = 0; y < picture.Height; ++y) {
        const std::uint32_t* row = picture.Pixels + y * picture.Stride;
        int x = 0;
        while (x < picture.Width) {
            while (x < picture.Width && (row[x] & ColourBits) == transparent) ++x;
            if (x == picture.Width) break;
            const int left = x;
            while (x < picture.Width && (row[x] & ColourBits) != transparent) ++x;
            ShapeRuns.push_back({left, y, x, y});
        }
    }
}

}  // namespace rublet
