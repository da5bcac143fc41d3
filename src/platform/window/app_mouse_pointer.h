#pragma once
// The application-wide mouse pointer: the hourglass over every window of
// the program while it works.

#include "platform/portable/mouse_pointer.h"

namespace rublet {

// Shown at once, and kept over every window until set back to the default.
void SetAppMousePointer(MousePointer pointer) noexcept;
// For WM_SETCURSOR: true when the application's pointer was set.
bool ApplyAppMousePointer() noexcept;

}  // namespace rublet
