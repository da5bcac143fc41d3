#include "platform/window/z_order.h"

namespace rublet {

void SetAlwaysOnTop(HWND hwnd, bool onTop) noexcept {
    // Only the z-order changes: no activation, which would raise the
    // window again on some systems (Wine). Windows ends a topmost state on
    // the move to the bottom; Wine does not, so it is ended first.
    constexpr UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
    if (!onTop && (::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST))
        ::SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    ::SetWindowPos(hwnd, onTop ? HWND_TOPMOST : HWND_BOTTOM, 0, 0, 0, 0, flags);
}

void ShowInZOrder(HWND hwnd, bool onTop, const RECT& frame) noexcept {
    // Showing a window raises it on some systems (Wine), even one put at
    // the bottom: shown without activation, in its place.
    ::SetWindowPos(hwnd, onTop ? HWND_TOPMOST : HWND_BOTTOM, frame.left, frame.top, frame.right - frame.left,
                   frame.bottom - frame.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

}  // namespace rublet
