#pragma once
// The application-wide mouse pointer: the hourglass over every window of
// the program while it works. Set on the window's thread.


namespace rublet {

enum class MousePointer { Default, Hourglass };

// Shown at once where the pointer rests on a window of the program, and
// kept over each of them until set back to the default.
void SetAppMousePointer(MousePointer pointer) noexcept;
// For WM_SETCURSOR: true when the application's pointer was set.
bool ApplyAppMousePointer() noexcept;

}  // namespace rublet
