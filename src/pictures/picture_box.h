#pragma once
// The picture holder (Picture1 is one): a picture drawn on its background
// colour, kept as 32-bit pixels that are read straight from memory.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "pictures/dib32.h"
#include "pictures/picture.h"
#include "platform/portable/pixel_view.h"

namespace rublet {

class PictureBox {
public:
    PictureBox() = default;
    PictureBox(PictureBox&&) noexcept = default;
    PictureBox& operator=(PictureBox&&) noexcept = default;

    void SetPicture(Picture picture);
    void SetBackColor(COLORREF color);
    // The same picture lighter, halfway to white, but for the pixels of
    // `kept` (its background colour, which the outline leaves out; or none,
    // CLR_INVALID): as the bin shows a picture of the user's own while files
    // hover over it.
    [[nodiscard]] PictureBox Lightened(COLORREF kept) const;

    // The picture is shown with its own alpha: the pixels are premultiplied
    // BGRA and the background colour plays no part.
    [[nodiscard]] bool HasAlpha() const noexcept { return alpha_; }
    [[nodiscard]] int ScaleWidth() const noexcept { return width_; }
    [[nodiscard]] int ScaleHeight() const noexcept { return height_; }
    // The colour of a pixel as displayed, 0x00BBGGRR.
    [[nodiscard]] COLORREF Point(int x, int y) const noexcept;
    [[nodiscard]] PixelView Pixels() const noexcept;
    // The displayed picture, for painting with a memory DC.
    [[nodiscard]] HBITMAP Bitmap() const noexcept { return dib_.get(); }

private:
    void Refresh();

    std::optional<Picture> picture_;  // none for a lightened copy
    bool alpha_ = false;
    COLORREF backColor_ = ::GetSysColor(COLOR_BTNFACE);
    Dib32 dib_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace rublet
