#pragma once
// The platform's open-file dialog for choosing a picture.

#include <windows.h>

#include <string>
#include <string_view>

namespace rublet {

// `filter` holds description and pattern pairs, each part ended by a NUL.
// The chosen file's full path, or "" when the user cancelled or the dialog failed.
[[nodiscard]] std::wstring ShowOpenFileDialog(HWND owner, std::wstring_view filter,
                                              const std::wstring& initialDirectory,
                                              const std::wstring& title);

}  // namespace rublet
