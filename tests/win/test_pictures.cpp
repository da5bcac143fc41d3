#include "test_pictures.h"

#include <fstream>

namespace rublet::testing_pictures {
namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bits, std::uint32_t imageSize) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 3780);
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
}

}  // namespace

std::vector<std::uint8_t> Bmp24(const Image& image) {
    const int rowBytes = (image.width * 3 + 3) & ~3;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes * image.height);
    std::vector<std::uint8_t> out = {'B', 'M'};
    Put32(out, 54 + imageSize);
    Put32(out, 0);
    Put32(out, 54);
    PutInfoHeader(out, image.width, image.height, 24, imageSize);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const COLORREF c = image.at(x, y);
            out.push_back(GetBValue(c));
            out.push_back(GetGValue(c));
            out.push_back(GetRValue(c));
        }
        for (int pad = image.width * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

std::vector<std::uint8_t> Icon(const Image& image, const std::vector<bool>& transparent) {
    const int maskRow = ((image.width + 31) / 32) * 4;
    const std::uint32_t xorSize = static_cast<std::uint32_t>(image.width * image.height * 4);
    const std::uint32_t andSize = static_cast<std::uint32_t>(maskRow * image.height);
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    out.push_back(static_cast<std::uint8_t>(image.width));
    out.push_back(static_cast<std::uint8_t>(image.height));
    out.push_back(0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 40 + xorSize + andSize);
    Put32(out, 22);
    PutInfoHeader(out, image.width, image.height * 2, 32, xorSize + andSize);
    for (int y = image.height - 1; y >= 0; --y)
        for (int x = 0; x < image.width; ++x) {
            const COLORREF c = image.at(x, y);
            const bool hidden = transparent[static_cast<std::size_t>(y) * image.width + x];
            out.push_back(GetBValue(c));
            out.push_back(GetGValue(c));
            out.push_back(GetRValue(c));
            out.push_back(hidden ? 0 : 255);
        }
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRow), 0);
        for (int x = 0; x < image.width; ++x)
            if (transparent[static_cast<std::size_t>(y) * image.width + x])
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<std::uint8_t> Gif(int width, int height, const std::vector<std::uint8_t>& indexes,
                              const COLORREF (&palette)[4], int transparentIndex) {
    std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, static_cast<unsigned>(width));
    Put16(out, static_cast<unsigned>(height));
    out.insert(out.end(), {0x81, 0, 0});  // global table of 4 colours
    for (const COLORREF c : palette) out.insert(out.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
    out.insert(out.end(), {0x21, 0xF9, 4, 1, 0, 0, static_cast<std::uint8_t>(transparentIndex), 0});
    out.push_back(0x2C);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<unsigned>(width));
    Put16(out, static_cast<unsigned>(height));
    out.push_back(0);
    // LZW with a minimum code size of 2: every pixel as a literal 3-bit
    // code, with a clear code before the table would widen the codes.
    constexpr unsigned Clear = 4, End = 5;
    std::vector<std::uint8_t> data;
    std::uint32_t bitBuffer = 0;
    int bitCount = 0;
    auto emit = [&](unsigned code) {
        bitBuffer |= code << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            data.push_back(static_cast<std::uint8_t>(bitBuffer));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };
    emit(Clear);
    int sinceClear = 0;
    for (const std::uint8_t index : indexes) {
        if (sinceClear == 2) {
            emit(Clear);
            sinceClear = 0;
        }
        emit(index);
        ++sinceClear;
    }
    emit(End);
    if (bitCount > 0) data.push_back(static_cast<std::uint8_t>(bitBuffer));
    out.push_back(2);
    for (std::size_t i = 0; i < data.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - i);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(i), data.begin() + static_cast<std::ptrdiff_t>(i + n));
    }
    out.push_back(0);
    out.push_back(0x3B);
    return out;
}

void WriteFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

std::wstring ScratchFolder() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"rublet-tests";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

}  // namespace rublet::testing_pictures
