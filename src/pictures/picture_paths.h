#pragma once
// Where the bin's pictures lie: the default bins beside the program and
// the "_full" twin of a chosen picture. Portable.

#include <string>
#include <string_view>
#include <vector>

namespace rublet {

// What the picture chooser offers, in every language.
inline constexpr std::wstring_view PictureFilterPattern = L"*.bmp;*.gif;*.jpg;*.ico;*.png";

// The 32-pixel default bin, which every display can show: what the settings
// hold when no picture is stored.
[[nodiscard]] std::wstring DefaultPicturePath(std::wstring_view programDirectory);

// Whether `path` names one of the default bins beside the program, in any
// size: such a path stands for the default bin, whose size each start
// chooses anew for its display.
[[nodiscard]] bool IsDefaultPicturePath(std::wstring_view path, std::wstring_view programDirectory);

// The default bins beside the program that suit a display of `dpi` dots per
// inch, the first choice first: the 128-pixel bin from 288 dpi, the
// 64-pixel one from 144, then the 32-pixel one; each falls back to the next.
[[nodiscard]] std::vector<std::wstring> DefaultPicturePaths(std::wstring_view programDirectory, int dpi);

// The picture shown while the Recycle Bin holds anything: the chosen one's
// name with "_full" before its extension, in the same folder.
[[nodiscard]] std::wstring FullPicturePath(std::wstring_view picturePath);
// A default bin's picture with its lid lifted, shown while files hover
// over the bin: the name with "_open" before its extension.
[[nodiscard]] std::wstring LidLiftedPath(std::wstring_view picturePath);

}  // namespace rublet
