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

PictureBox PictureBox::Lightened(COLORREF kept) const {
    PictureBox lighter;
    lighter.alpha_ = alpha_;
    lighter.backColor_ = backColor_;
    lighter.dib_ = Dib32(width_, height_);
    if (!lighter.dib_.bits()) return lighter;
    lighter.width_ = width_;
    lighter.height_ = height_;
    const std::uint32_t keptPixel = kept == CLR_INVALID ? 0xFFFFFFFFu
                                                        : (GetRValue(kept) << 16) | (GetGValue(kept) << 8) | GetBValue(kept);
    const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pixel = dib_.bits()[i];
        // Premultiplied where there is alpha: white of the same alpha is the alpha itself.
        const std::uint32_t white = alpha_ ? pixel >> 24 : 0xFF;
        std::uint32_t light = pixel & 0xFF000000u;
        for (const int shift : {0, 8, 16}) {
            const std::uint32_t channel = (pixel >> shift) & 0xFF;
            light |= (channel + (white > channel ? (white - channel) / 2 : 0)) << shift;
        }
        lighter.dib_.bits()[i] = (pixel & 0x00FFFFFFu) == keptPixel && !alpha_ ? pixel : light;
    }
    return lighter;
}

void PictureBox::Refresh() {
    dib_ = {};
    alpha_ = picture_ && picture_->HasAlpha();
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
