#pragma once
// What the bin's window shows: the empty picture, or while the Recycle Bin
// holds anything the full one, where there is one; each in its own outline.

#include <windows.h>

#include "pictures/bin_pictures.h"

namespace rublet {

class BinFace {
public:
    void Take(BinPictures pictures) noexcept { pictures_ = std::move(pictures); }

    [[nodiscard]] const ShapedPicture& Shown() const noexcept { return full_ ? *pictures_.Full : pictures_.Empty; }
    [[nodiscard]] const ShapedPicture& Empty() const noexcept { return pictures_.Empty; }
    // The window takes the picture for the Recycle Bin's state; only a
    // change between empty and full reaches it, since a layered window is
    // redrawn whole for each picture.
    void ShowFull(HWND window, bool full);
    void Paint(HWND window) const;

private:
    BinPictures pictures_;
    bool full_ = false;
};

}  // namespace rublet
