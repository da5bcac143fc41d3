#pragma once
// The shape made the simple way, for timing against the shipped code:
// one GetPixel per pixel, one CombineRgn per run.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "pictures/picture_box.h"
#include "pictures/run_scan.h"
#include "platform/system/handles.h"

namespace rublet::reference {

// Runs of every pixel of the DC's `width` x `height` area whose GetPixel
// colour differs from `transparent`.
[[nodiscard]] std::vector<RunRect> ScanWithGetPixel(HDC hdc, int width, int height, COLORREF transparent);

// CreateRectRgn for the first run, then for each further run a temporary
// region united with CombineRgn and deleted.
[[nodiscard]] UniqueRegion BuildWithCombineRgn(const std::vector<RunRect>& runs);

// A 32-bit DIB selected into a memory DC: GetPixel reads what the scan reads.
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

}  // namespace rublet::reference
