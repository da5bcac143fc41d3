#pragma once
// What the bin's window shows: the empty picture, or while the Recycle Bin
// holds anything the full one, where there is one; while files that the
// bin would take hover over it, that picture's hover twin. Each picture in
// its own outline.

#include <windows.h>

#include "pictures/bin_pictures.h"

namespace rublet {

class BinFace {
public:
    void Take(BinPictures pictures) noexcept { pictures_ = std::move(pictures); }

    [[nodiscard]] const ShapedPicture& Shown() const noexcept;
    [[nodiscard]] const ShapedPicture& Empty() const noexcept { return pictures_.Empty; }
    // The window takes the picture for the state; only a change reaches
    // it, since a layered window is redrawn whole for each picture.
    void ShowFull(HWND window, bool full);
    void ShowHover(HWND window, bool hover);
    void Paint(HWND window) const;

private:
    void Show(HWND window, bool full, bool hover);

    BinPictures pictures_;
    bool full_ = false;
    bool hover_ = false;
};

}  // namespace rublet
