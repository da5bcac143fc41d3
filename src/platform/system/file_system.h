#pragma once
// What the file system says of a path, for the program's own checks.

#include <string>

namespace rublet {

// Whether anything, a file or a folder, is there.
[[nodiscard]] bool Exists(const std::wstring& path) noexcept;
[[nodiscard]] bool IsFolder(const std::wstring& path) noexcept;
// Whether a file, and not a folder, is there.
[[nodiscard]] bool IsFile(const std::wstring& path) noexcept;

}  // namespace rublet
