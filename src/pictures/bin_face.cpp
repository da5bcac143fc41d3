#include "pictures/bin_face.h"

#include "pictures/window_shape.h"

namespace rublet {

void BinFace::ShowFull(HWND window, bool full) {
    full = full && pictures_.Full;
    if (full == full_) return;
    full_ = full;
    ApplyPictureShape(window, Shown(), true);
}

void BinFace::Paint(HWND window) const { PaintPicture(window, Shown().Box); }

}  // namespace rublet
