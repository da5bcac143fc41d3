#include "platform/window/window_drag.h"

#include <windowsx.h>

namespace rublet {
namespace {

// Where the pointer was when the current message was posted, not where it
// is now: a late message would otherwise jump.
POINT PointerOfMessage() noexcept {
    const DWORD position = ::GetMessagePos();
    return {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
}

}  // namespace

void WindowDrag::Hold(HWND hwnd) noexcept {
    ::SetCapture(hwnd);
    RECT frame{};
    ::GetWindowRect(hwnd, &frame);
    const POINT pointer = PointerOfMessage();
    held_ = POINT{pointer.x - frame.left, pointer.y - frame.top};
}

void WindowDrag::Follow(HWND hwnd, WPARAM buttons) noexcept {
    if (!(buttons & MK_LBUTTON) || !held_ || ::GetCapture() != hwnd) return;
    const POINT pointer = PointerOfMessage();
    ::SetWindowPos(hwnd, nullptr, pointer.x - held_->x, pointer.y - held_->y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace rublet
