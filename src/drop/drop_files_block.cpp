#include "drop/drop_files_block.h"

#include <cstring>

namespace rublet {
namespace {

constexpr std::size_t HeaderSize = 20;  // pFiles, pt.x, pt.y, fNC, fWide
constexpr std::size_t FilesOffset = 0, WideOffset = 16;

std::uint32_t Field(std::span<const std::byte> block, std::size_t offset) noexcept {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::to_integer<std::uint32_t>(block[offset + i]) << (8 * i);
    return value;
}

std::optional<std::vector<std::wstring>> WidePaths(std::span<const std::byte> list) {
    std::vector<std::wstring> paths;
    const std::size_t units = list.size() / 2;
    const auto unit = [&](std::size_t i) {
        return static_cast<wchar_t>(std::to_integer<unsigned>(list[2 * i]) |
                                    std::to_integer<unsigned>(list[2 * i + 1]) << 8);
    };
    for (std::size_t start = 0; start < units;) {
        std::size_t end = start;
        while (end < units && unit(end) != 0) ++end;
        if (end == units) return std::nullopt;  // cut inside a path
        if (end == start) return paths;
        std::wstring& path = paths.emplace_back(end - start, L'\0');
        if constexpr (sizeof(wchar_t) == 2) {
            std::memcpy(path.data(), list.data() + 2 * start, 2 * (end - start));
        } else {
            for (std::size_t i = start; i < end; ++i) path[i - start] = unit(i);
        }
        start = end + 1;
    }
    return std::nullopt;  // cut before the empty path that ends the list
}

std::optional<std::vector<std::wstring>> AnsiPaths(std::span<const std::byte> list, const AnsiToWide& fromAnsi) {
    std::vector<std::wstring> paths;
    const std::string_view text(reinterpret_cast<const char*>(list.data()), list.size());
    // In every ANSI code page a NUL byte is a NUL character: no trail byte is 0.
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\0', start);
        if (end == std::string_view::npos) return std::nullopt;
        if (end == start) return paths;
        paths.push_back(fromAnsi(text.substr(start, end - start)));
        start = end + 1;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<std::wstring>> ReadDropFilesBlock(std::span<const std::byte> block,
                                                            const AnsiToWide& fromAnsi) {
    if (block.size() < HeaderSize) return std::nullopt;
    const std::uint32_t files = Field(block, FilesOffset);
    if (files < HeaderSize || files > block.size()) return std::nullopt;
    const std::span<const std::byte> list = block.subspan(files);
    return Field(block, WideOffset) != 0 ? WidePaths(list) : AnsiPaths(list, fromAnsi);
}

}  // namespace rublet
