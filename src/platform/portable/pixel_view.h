#pragma once
// 32-bit pixels as a top-down DIB holds them, read by portable code.

#include <cstddef>
#include <cstdint>

namespace rublet {

// 0x00RRGGBB, top byte ignored.
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

}  // namespace rublet
