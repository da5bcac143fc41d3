#pragma once
// Path rules that need no file system. Portable.

#include <string>
#include <string_view>
#include <vector>

namespace rublet {

// The folder of a module path: without a trailing backslash, except for a
// drive's root folder ("C:\").
[[nodiscard]] std::wstring DirectoryOfModule(std::wstring_view modulePath);

// A full path in the form that reaches beyond MAX_PATH ("\\?\C:\...",
// "\\?\UNC\server\share\..."); other paths as they are.
[[nodiscard]] std::wstring ExtendedLengthPath(std::wstring_view path);

// "C:\", "C:", "\\server\share", "\\?\C:\" and the like: a whole drive or share.
[[nodiscard]] bool IsDriveOrShareRoot(std::wstring_view path);

// A full path as its root ("C:\", "\\server\share\", "\\?\C:\",
// "\\?\UNC\server\share\"; empty for any other path) and the names below
// it, which either separator parts; empty names are passed over.
struct PathParts {
    std::wstring_view Root;
    std::vector<std::wstring_view> Names;
};
[[nodiscard]] PathParts SplitPath(std::wstring_view path);

// Whether `path` is `folder` or lies below it, case (case_folding.h) and
// either separator alike, as Windows compares paths.
[[nodiscard]] bool IsAtOrBelow(std::wstring_view path, std::wstring_view folder) noexcept;

// `folder` and `name` with one backslash between them.
[[nodiscard]] std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);

// Whether Windows and its shell read `name` as the one item it names: no
// separator, stream colon, wildcard, quote, angle bracket, bar or control
// character; no trailing dot or space, which Windows trims away; no leading
// "..", which the shell's path joining reads as a step up whatever follows;
// and no U+FFFD, which Wine shows for every byte of a Linux name that it
// cannot decode, so that two names may read the same.
[[nodiscard]] bool IsPlainName(std::wstring_view name) noexcept;

// What Windows makes of a name: its part before any separator, without
// trailing dots and spaces, in upper case (case_folding.h). Two names of
// one key that are not the same name but for case can stand for each other.
[[nodiscard]] std::wstring NameKey(std::wstring_view name);

// Equal but for case (case_folding.h), as Windows compares names.
[[nodiscard]] bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) noexcept;

}  // namespace rublet
