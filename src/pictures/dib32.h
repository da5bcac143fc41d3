#pragma once
// A top-down 32-bit DIB section and its pixels, which the bitmap owns: a
// picture that GDI can draw and the program can read straight from memory.

#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/system/handles.h"

namespace rublet {

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

}  // namespace rublet
