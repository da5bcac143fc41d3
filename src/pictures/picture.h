#pragma once
// The picture loader: a bitmap, GIF, JPEG or icon through the system's
// picture loader, a PNG through the imaging component, each file's header
// checked first.

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/system/handles.h"

namespace rublet {

[[nodiscard]] BITMAPINFO TopDown32(int width, int height) noexcept;

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

}  // namespace rublet
