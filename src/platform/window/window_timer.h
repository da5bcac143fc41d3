#pragma once
// A timer of a window, stopped when its owner goes.

#include <windows.h>

namespace rublet {

class WindowTimer {
public:
    WindowTimer() = default;
    WindowTimer(HWND hwnd, UINT_PTR id, UINT intervalMs) noexcept
        : hwnd_(hwnd), id_(::SetTimer(hwnd, id, intervalMs, nullptr)) {}
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer() { Stop(); }

    void Stop() noexcept {
        if (id_ != 0 && ::IsWindow(hwnd_)) ::KillTimer(hwnd_, id_);
        id_ = 0;
    }

private:
    HWND hwnd_ = nullptr;
    UINT_PTR id_ = 0;
};

}  // namespace rublet
