#pragma once
// Message boxes.

#include <windows.h>

#include <string_view>

namespace rublet {

int MsgBox(HWND owner, std::wstring_view text, UINT style, std::wstring_view title);

}  // namespace rublet
