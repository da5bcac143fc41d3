#pragma once
// Message boxes, and the application-wide mouse pointer shown while the
// program works.

#include <windows.h>

#include <string_view>

#include "platform/portable/vocabulary.h"

namespace rublet {

int MsgBox(HWND owner, std::wstring_view text, UINT style, std::wstring_view title);

// The hourglass over every window of the program while set, until set back
// to the default.
void SetAppMousePointer(MousePointer pointer) noexcept;
// For WM_SETCURSOR: true when the application's pointer was set.
bool ApplyAppMousePointer() noexcept;

}  // namespace rublet
