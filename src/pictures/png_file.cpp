#include "pictures/png_file.h"

#include <algorithm>
#include <array>

namespace rublet {
namespace {

constexpr std::array<std::uint8_t, 8> Signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t ReadBig32(std::span<const std::uint8_t> bytes, std::size_t at) noexcept {
    return static_cast<std::uint32_t>(bytes[at]) << 24 | static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 8 | static_cast<std::uint32_t>(bytes[at + 3]);
}

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) noexcept {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

bool DepthFitsColourType(std::uint8_t depth, std::uint8_t colourType) noexcept {
    switch (colourType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;  // grey
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;  // palette
    case 2: case 4: case 6: return depth == 8 || depth == 16;  // colour, grey with alpha, colour with alpha
    default: return false;
    }
}

}  // namespace

bool StartsAsPng(std::span<const std::uint8_t> file) noexcept {
    return file.size() >= Signature.size() && std::equal(Signature.begin(), Signature.end(), file.begin());
}

std::optional<PngHeader> ReadPngHeader(std::span<const std::uint8_t> file) noexcept {
    // Signature, chunk length and type, 13 bytes of header, checksum.
    constexpr std::size_t HeaderEnd = 8 + 8 + 13 + 4;
    if (file.size() < HeaderEnd || !StartsAsPng(file)) return std::nullopt;
    if (ReadBig32(file, 8) != 13 || file[12] != 'I' || file[13] != 'H' || file[14] != 'D' || file[15] != 'R')
        return std::nullopt;
    if (Crc32(file.subspan(12, 4 + 13)) != ReadBig32(file, 29)) return std::nullopt;
    PngHeader header{ReadBig32(file, 16), ReadBig32(file, 20), file[24], file[25]};
    const std::uint8_t compression = file[26], filter = file[27], interlace = file[28];
    if (header.Width == 0 || header.Height == 0 || header.Width > MaxPictureSide || header.Height > MaxPictureSide ||
        !DepthFitsColourType(header.BitDepth, header.ColourType) || compression != 0 || filter != 0 || interlace > 1)
        return std::nullopt;
    return header;
}

}  // namespace rublet
