#pragma once
// Path rules that need no file system. Portable.

#include <string>
#include <string_view>

namespace rublet {

// The folder of a module path: without a trailing backslash, except for a
// drive's root folder ("C:\").
[[nodiscard]] std::wstring DirectoryOfModule(std::wstring_view modulePath);

}  // namespace rublet
