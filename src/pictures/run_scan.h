#pragma once
// The run scan: a picture's non-transparent pixels as one-pixel-high
// horizontal runs. Portable.

#include <cstdint>
#include <vector>

#include "platform/portable/pixel_view.h"

namespace rublet {

struct RunRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;   // just past the run's last pixel
    std::int32_t Bottom = 0;  // equal to Top; the region adds 1

    friend bool operator==(const RunRect&, const RunRect&) = default;
};

// Appends the runs of every pixel whose colour differs from
// `TransparentColor` (0x00BBGGRR), rows top to bottom, each row left to right.
void ScanPictureRuns(std::vector<RunRect>& ShapeRuns, std::uint32_t TransparentColor,
                     const PixelView& picture);

// Appends the runs of every pixel whose alpha (the top byte of a BGRA
// pixel) is above 0, in the same order.
void ScanAlphaRuns(std::vector<RunRect>& ShapeRuns, const PixelView& picture);

}  // namespace rublet
