#include "platform/window/layered_window.h"

#include "platform/system/handles.h"

namespace rublet {

void SetLayered(HWND hwnd, bool layered) noexcept {
    const LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    if (((style & WS_EX_LAYERED) != 0) == layered) return;
    if (layered) ::SetWindowRgn(hwnd, nullptr, FALSE);
    ::SetWindowLongPtrW(hwnd, GWL_EXSTYLE, layered ? style | WS_EX_LAYERED : style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
}

bool ShowLayeredPicture(HWND hwnd, HBITMAP premultiplied, SIZE size) noexcept {
    UniqueMemoryDc source(::CreateCompatibleDC(nullptr));
    SelectedObject selected(source.get(), premultiplied);
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return ::UpdateLayeredWindow(hwnd, nullptr, nullptr, &size, source.get(), &origin, 0, &blend, ULW_ALPHA) != FALSE;
}

}  // namespace rublet
