#pragma once
// PNG files written byte by byte for the tests: the signature and header,
// and chunks with their checksums. Portable.

#include <cstdint>
#include <vector>

namespace rublet::testing_support {

inline void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Appends a chunk: its length, type and data, and the CRC-32 of type and data.
inline void PutPngChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = start; i < out.size(); ++i) {
        crc ^= out[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    PutBigEndian32(out, ~crc);
}

// The signature and the header chunk of a PNG of the given size, bit depth and colour type.
[[nodiscard]] inline std::vector<std::uint8_t> PngHead(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                                                       std::uint8_t type) {
    std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, header;
    for (const std::uint32_t side : {width, height}) PutBigEndian32(header, side);
    header.insert(header.end(), {depth, type, 0, 0, 0});
    PutPngChunk(file, "IHDR", header);
    return file;
}

}  // namespace rublet::testing_support
