#pragma once
// Moving a window that has no caption by holding it anywhere with the left
// button.

#include <windows.h>

#include <optional>

namespace rublet {

class WindowDrag {
public:
    // At the press: the window keeps the mouse until the release, wherever
    // the pointer goes, and remembers where it was held.
    void Hold(HWND hwnd) noexcept;
    // The window follows the pointer by its whole travel since the press,
    // however far it went between two messages.
    void Follow(HWND hwnd, WPARAM buttons) noexcept;
    // At WM_CAPTURECHANGED, which every way of losing the mouse sends.
    void Release() noexcept { held_.reset(); }

private:
    std::optional<POINT> held_;  // the held point, from the window's corner
};

}  // namespace rublet
