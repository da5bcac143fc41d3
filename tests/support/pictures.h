#pragma once
// Picture files made by the tests themselves.

#include <windows.h>

#include <string>
#include <vector>

namespace rublet::testing_support {

// 0x00BBGGRR colours, rows top to bottom.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    [[nodiscard]] COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The bytes of a 24-bit bitmap file.
[[nodiscard]] std::string Bmp24(const Image& image);
// The bytes of a 32-bit icon file; pixels where `hidden` is true are masked
// out, whatever colour the image has there.
[[nodiscard]] std::string Icon(const Image& image, const std::vector<bool>& hidden);

}  // namespace rublet::testing_support
