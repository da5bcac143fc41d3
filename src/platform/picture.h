#pragma once
// The picture loader (bitmap, GIF, JPEG, icon, PNG) and the picture holder
// that shows a picture on its background colour as 32-bit pixels.

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "platform/vocabulary.h"

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

class Picture {
public:
    // Nothing when the file cannot be read or holds no picture.
    [[nodiscard]] static std::optional<Picture> FromFile(const std::wstring& path);
    // A picture stored as an RCDATA resource of the module.
    [[nodiscard]] static std::optional<Picture> FromResource(HINSTANCE module, int id);

    [[nodiscard]] int Width() const noexcept { return width_; }
    [[nodiscard]] int Height() const noexcept { return height_; }
    // A PNG with any pixel not fully opaque: it is shown with its alpha,
    // and its pixels of alpha 0 are no part of the window.
    [[nodiscard]] bool HasAlpha() const noexcept { return hasAlpha_; }
    // A PNG's pixels, premultiplied BGRA, top row first; empty for the
    // other formats.
    [[nodiscard]] const std::vector<std::uint32_t>& DecodedPixels() const noexcept { return pixels_; }

    // Draws the whole picture at (0, 0) in its own size; transparent parts
    // leave the DC as it was.
    void Render(HDC hdc) const;

private:
    [[nodiscard]] static std::optional<Picture> FromGlobal(UniqueGlobal memory, DWORD size);
    [[nodiscard]] static std::optional<Picture> FromPng(IStream& stream);

    ComPtr<IPicture> picture_;  // bitmap, GIF, JPEG, icon
    std::vector<std::uint32_t> pixels_;  // PNG
    bool hasAlpha_ = false;
    int width_ = 0;
    int height_ = 0;
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
