#pragma once
// A 32-bit DIB selected into a memory DC: GetPixel reads what the scan reads.

#include <windows.h>

#include <optional>

#include "platform/picture.h"

namespace rublet::testing_pictures {

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), dib_(width, height) {
        selected_.emplace(dc_.get(), dib_.get());
    }
    void Set(int x, int y, COLORREF color) { dib_.bits()[y * width_ + x] = DibPixelOf(color); }
    [[nodiscard]] HDC dc() const { return dc_.get(); }
    [[nodiscard]] PixelView View() const { return {dib_.bits(), width_, height_, width_}; }
    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }

private:
    int width_, height_;
    UniqueMemoryDc dc_{::CreateCompatibleDC(nullptr)};
    Dib32 dib_;
    std::optional<SelectedObject> selected_;
};

}  // namespace rublet::testing_pictures
