#pragma once
// Path rules that need no file system. Portable.

#include <string>
#include <string_view>

namespace rublet {

// The folder of a module path: without a trailing backslash, except for a
// drive's root folder ("C:\").
[[nodiscard]] std::wstring DirectoryOfModule(std::wstring_view modulePath);

// A full path in the form that reaches beyond MAX_PATH ("\\?\C:\...",
// "\\?\UNC\server\share\..."); other paths as they are.
[[nodiscard]] std::wstring ExtendedLengthPath(std::wstring_view path);

}  // namespace rublet
