#pragma once
// The picture holder: a picture drawn on its background colour, kept as
// 32-bit pixels that are read straight from memory.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <utility>

#include "pictures/picture.h"
#include "platform/portable/vocabulary.h"
#include "platform/system/handles.h"

namespace rublet {

// A top-down 32-bit DIB section and its pixels, which the bitmap owns.
class Dib32 {
public:
    Dib32() = default;
    Dib32(int width, int height);
    Dib32(Dib32&& other) noexcept
        : bitmap_(std::move(other.bitmap_)), bits_(std::exchange(other.bits_, nullptr)) {}
    Dib32& operator=(Dib32&& other) noexcept {
        bitmap_ = std::move(other.bitmap_);
        bits_ = std::exchange(other.bits_, nullptr);
        return *this;
    }

    [[nodiscard]] HBITMAP get() const noexcept { return bitmap_.get(); }
    [[nodiscard]] std::uint32_t* bits() const noexcept { return bits_; }

private:
    UniqueBitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
};

// The picture holder: its picture drawn on its background colour, kept as a
// top-down 32-bit DIB whose pixels are read straight from memory.
class PictureBox {
public:
    PictureBox() = default;
    PictureBox(PictureBox&&) noexcept = default;
    PictureBox& operator=(PictureBox&&) noexcept = default;

    void SetPicture(Picture picture);
    void SetBackColor(COLORREF color);

    // The picture is shown with its own alpha: the pixels are premultiplied
    // BGRA and the background colour plays no part.
    [[nodiscard]] bool HasAlpha() const noexcept { return picture_ && picture_->HasAlpha(); }
    [[nodiscard]] int ScaleWidth() const noexcept { return width_; }
    [[nodiscard]] int ScaleHeight() const noexcept { return height_; }
    // The colour of a pixel as displayed, 0x00BBGGRR.
    [[nodiscard]] COLORREF Point(int x, int y) const noexcept;
    [[nodiscard]] PixelView Pixels() const noexcept;
    // The displayed picture, for painting with a memory DC.
    [[nodiscard]] HBITMAP Bitmap() const noexcept { return dib_.get(); }

private:
    void Refresh();

    std::optional<Picture> picture_;
    COLORREF backColor_ = ::GetSysColor(COLOR_BTNFACE);
    Dib32 dib_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace rublet
