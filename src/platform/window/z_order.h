#pragma once
// A window's place in the z-order: above every other window, or beneath
// them all.

#include <windows.h>

namespace rublet {

// Above every other window, or beneath them all at the bottom of the
// z-order and no longer topmost; position and size stay.
void SetAlwaysOnTop(HWND hwnd, bool onTop) noexcept;
// Shows a hidden window in that place of the z-order, at `frame` (screen
// pixels): one move for place, size, z-order and showing.
void ShowInZOrder(HWND hwnd, bool onTop, const RECT& frame) noexcept;

}  // namespace rublet
