#include "pictures/dib32.h"

#include "pictures/picture.h"

namespace rublet {

Dib32::Dib32(int width, int height) {
    const BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = bitmap_ ? static_cast<std::uint32_t*>(bits) : nullptr;
}

}  // namespace rublet
