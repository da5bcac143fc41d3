#pragma once
// Picture files made by the tests themselves: BMP, ICO and GIF bytes.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace rublet::testing_pictures {

// 0x00BBGGRR colours, rows top to bottom.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    [[nodiscard]] COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

[[nodiscard]] std::vector<std::uint8_t> Bmp24(const Image& image);
// A 32-bit icon: pixels where `transparent` is true are masked out,
// whatever colour the image has there.
[[nodiscard]] std::vector<std::uint8_t> Icon(const Image& image, const std::vector<bool>& transparent);
// A GIF with a 4-colour palette; palette entry `transparentIndex` is transparent.
[[nodiscard]] std::vector<std::uint8_t> Gif(int width, int height, const std::vector<std::uint8_t>& indexes,
                                            const COLORREF (&palette)[4], int transparentIndex);

void WriteFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
// A folder of the sandbox's work drive for this test program's files.
[[nodiscard]] std::wstring ScratchFolder();

}  // namespace rublet::testing_pictures
