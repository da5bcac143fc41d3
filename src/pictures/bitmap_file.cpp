#include "pictures/bitmap_file.h"

namespace rublet {
namespace {

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}
std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

}  // namespace

bool IsWholeIfBitmap(std::span<const std::uint8_t> file) noexcept {
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return true;
    constexpr std::size_t FileHeader = 14;
    if (file.size() < FileHeader + 12) return false;
    const std::uint32_t pixelsAt = Read32(file, 10);
    const std::uint32_t infoSize = Read32(file, FileHeader);
    // The old core header has 12 bytes; every later one at least 16 (up to
    // the bit count), with the compression from 20 on.
    if (infoSize < 12 || (infoSize > 12 && infoSize < 16) || file.size() < FileHeader + infoSize ||
        pixelsAt > file.size())
        return false;

    std::uint64_t width = 0, height = 0, bits = 0, compression = 0;
    if (infoSize == 12) {  // the old core header
        width = Read16(file, FileHeader + 4);
        height = Read16(file, FileHeader + 6);
        bits = Read16(file, FileHeader + 10);
    } else {
        const auto signedHeight = static_cast<std::int32_t>(Read32(file, FileHeader + 8));
        width = Read32(file, FileHeader + 4);
        height = signedHeight < 0 ? 0ull - static_cast<std::int64_t>(signedHeight) : static_cast<std::uint64_t>(signedHeight);
        bits = Read16(file, FileHeader + 14);
        compression = infoSize >= 20 ? Read32(file, FileHeader + 16) : 0;
    }
    if (compression != 0 && compression != 3) return true;  // compressed: sizes vary, left to the decoder
    const std::uint64_t rowBytes = (width * bits + 31) / 32 * 4;
    return rowBytes * height <= file.size() - pixelsAt;
}

}  // namespace rublet
