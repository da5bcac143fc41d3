#include "pictures/picture_box.h"

#include <algorithm>

namespace rublet {

void PictureBox::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    Refresh();
}

void PictureBox::SetBackColor(COLORREF color) {
    backColor_ = color;
    Refresh();
}

void PictureBox::Refresh() {
    dib_ = {};
    width_ = picture_ ? picture_->Width() : 0;
    height_ = picture_ ? picture_->Height() : 0;
    if (width_ == 0 || height_ == 0) return;

    dib_ = Dib32(width_, height_);
    if (!dib_.get()) {
        width_ = height_ = 0;
        return;
    }
    if (picture_->HasAlpha()) {
        // Shown with its own alpha: the holder's pixels are the picture's.
        std::copy(picture_->DecodedPixels().begin(), picture_->DecodedPixels().end(), dib_.bits());
        return;
    }
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.get(), dib_.get());
    UniqueBrush background(::CreateSolidBrush(backColor_));
    const RECT all{0, 0, width_, height_};
    ::FillRect(dc.get(), &all, background.get());
    picture_->Render(dc.get());
    ::GdiFlush();
}

COLORREF PictureBox::Point(int x, int y) const noexcept {
    if (!dib_.bits() || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const std::uint32_t pixel = dib_.bits()[static_cast<std::ptrdiff_t>(y) * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

PixelView PictureBox::Pixels() const noexcept {
    return {dib_.bits(), width_, height_, width_};
}

}  // namespace rublet
