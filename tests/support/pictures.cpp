#include "pictures.h"

namespace rublet::testing_support {
namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

// BITMAPINFOHEADER
void PutInfoHeader(std::string& out, int width, int height, int bits, std::uint32_t imageSize) {
    Put(out, 40, 4), Put(out, static_cast<std::uint32_t>(width), 4), Put(out, static_cast<std::uint32_t>(height), 4);
    Put(out, 1, 2), Put(out, static_cast<std::uint32_t>(bits), 2), Put(out, 0, 4), Put(out, imageSize, 4);
    Put(out, 3780, 4), Put(out, 3780, 4), Put(out, 0, 4), Put(out, 0, 4);
}

void PutPixel(std::string& out, COLORREF c) {
    out += {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)), static_cast<char>(GetRValue(c))};
}

}  // namespace

std::string Bmp24(const Image& image) {
    const int rowBytes = (image.width * 3 + 3) & ~3;
    const auto imageSize = static_cast<std::uint32_t>(rowBytes * image.height);
    std::string out = "BM";
    Put(out, 54 + imageSize, 4), Put(out, 0, 4), Put(out, 54, 4);
    PutInfoHeader(out, image.width, image.height, 24, imageSize);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) PutPixel(out, image.at(x, y));
        out.append(static_cast<std::size_t>(rowBytes - image.width * 3), '\0');
    }
    return out;
}

std::string Icon(const Image& image, const std::vector<bool>& hidden) {
    const int maskRow = (image.width + 31) / 32 * 4;
    const auto size = static_cast<std::uint32_t>(image.width * image.height * 4 + maskRow * image.height);
    std::string out;
    Put(out, 0, 2), Put(out, 1, 2), Put(out, 1, 2);  // one icon
    Put(out, static_cast<std::uint32_t>(image.width), 1), Put(out, static_cast<std::uint32_t>(image.height), 1);
    Put(out, 0, 2), Put(out, 1, 2), Put(out, 32, 2), Put(out, 40 + size, 4), Put(out, 22, 4);
    PutInfoHeader(out, image.width, image.height * 2, 32, size);
    for (int y = image.height - 1; y >= 0; --y)
        for (int x = 0; x < image.width; ++x) {
            PutPixel(out, image.at(x, y));
            out.push_back(hidden[static_cast<std::size_t>(y) * image.width + x] ? '\0' : '\xFF');
        }
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(maskRow), '\0');
        for (int x = 0; x < image.width; ++x)
            if (hidden[static_cast<std::size_t>(y) * image.width + x]) row[x / 8] |= static_cast<char>(0x80 >> (x % 8));
        out += row;
    }
    return out;
}

}  // namespace rublet::testing_support
