#pragma once
// The run scan: a picture's non-transparent pixels as one-pixel-high
// horizontal runs. Portable.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rublet {

struct RunRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;   // just past the run's last pixel
    std::int32_t Bottom = 0;  // equal to Top; the region adds 1

    friend bool operator==(const RunRect&, const RunRect&) = default;
};

// 32-bit pixels as a top-down DIB holds them: 0x00RRGGBB, top byte ignored.
struct PixelView {
    const std::uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    std::ptrdiff_t Stride = 0;  // pixels from one row to the next
};

// The DIB pixel of a colour in the platform's 0x00BBGGRR layout.
[[nodiscard]] constexpr std::uint32_t DibPixelOf(std::uint32_t colorRef) noexcept {
    return ((colorRef & 0xFFu) << 16) | (colorRef & 0xFF00u) | ((colorRef >> 16) & 0xFFu);
}

// Appends the runs of every pixel whose colour differs from
// `TransparentColor` (0x00BBGGRR), rows top to bottom, each row left to right.
void ScanPictureRuns(std::vector<RunRect>& ShapeRuns, std::uint32_t TransparentColor,
                     const PixelView& picture);

}  // namespace rublet
