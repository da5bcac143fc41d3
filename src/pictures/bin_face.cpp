#include "pictures/bin_face.h"

#include "pictures/window_shape.h"

namespace rublet {

const ShapedPicture& BinFace::Shown() const noexcept {
    const std::optional<ShapedPicture>& hover = full_ ? pictures_.FullHover : pictures_.EmptyHover;
    if (hover_ && hover) return *hover;
    return full_ ? *pictures_.Full : pictures_.Empty;
}

void BinFace::ShowFull(HWND window, bool full) { Show(window, full && pictures_.Full, hover_); }

void BinFace::ShowHover(HWND window, bool hover) { Show(window, full_, hover); }

void BinFace::Show(HWND window, bool full, bool hover) {
    if (full == full_ && hover == hover_) return;
    const ShapedPicture* before = &Shown();
    full_ = full;
    hover_ = hover;
    if (&Shown() != before) ApplyPictureShape(window, Shown(), true);
}

void BinFace::Paint(HWND window) const { PaintPicture(window, Shown().Box); }

}  // namespace rublet
