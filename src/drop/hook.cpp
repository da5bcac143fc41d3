#include "drop/hook.h"

namespace rublet {

std::int16_t DropPending = 0;
WNDPROC PrevWndProc = nullptr;

void HookWindow(HWND hwnd) noexcept {
    if (PrevWndProc) return;
    PrevWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
}

void UnhookWindow(HWND hwnd) noexcept {
    if (!PrevWndProc) return;
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PrevWndProc));
    PrevWndProc = nullptr;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcW(PrevWndProc, hwnd, message, wParam, lParam);
}

}  // namespace rublet
