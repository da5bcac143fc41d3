#pragma once
// A check on PNG files before the decoder sees them. Portable.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rublet {

// The largest width or height of a picture the bin takes: far beyond any
// screen's need, and small enough that its pixels fit in memory at once.
inline constexpr std::uint32_t MaxPictureSide = 4096;

[[nodiscard]] bool StartsAsPng(std::span<const std::uint8_t> file) noexcept;

struct PngHeader {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::uint8_t BitDepth = 0;
    std::uint8_t ColourType = 0;
};

// The header of a PNG file when it is whole and sound: the signature, then
// an IHDR chunk of 13 bytes with its checksum right, a size from 1 to
// MaxPictureSide each way, a bit depth the colour type allows, and the one
// compression and filter method there is. Nothing otherwise.
[[nodiscard]] std::optional<PngHeader> ReadPngHeader(std::span<const std::uint8_t> file) noexcept;

}  // namespace rublet
