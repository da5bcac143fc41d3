#pragma once
// A window drawn with per-pixel alpha: it shows its picture blended with
// whatever lies behind, and its pixels of alpha 0 are no part of it (not
// drawn, and the mouse and dropped files go through them).

#include <windows.h>

namespace rublet {

// Makes the window layered, or plain again; no region may go with a
// layered window, so the region is dropped when it becomes one.
void SetLayered(HWND hwnd, bool layered) noexcept;

// Shows a premultiplied 32-bit BGRA bitmap of `size` as the whole layered
// window, which takes that size and keeps its place. A layered window is
// not shown at all before its first picture. False when the system refused.
bool ShowLayeredPicture(HWND hwnd, HBITMAP premultiplied, SIZE size) noexcept;

}  // namespace rublet
