#pragma once
// The text of an ini file: "[section]" lines, and "key=value" lines below
// them. Portable.

#include <optional>
#include <string>
#include <string_view>

namespace rublet {

// The value of `key` in `section`: the rest of the first such line after
// its "=", as it stands. Section and key are compared ignoring the case of
// ASCII letters and the blanks around them; nothing for either absent.
[[nodiscard]] std::optional<std::wstring> IniValue(std::wstring_view text, std::wstring_view section,
                                                   std::wstring_view key);

// `text` with `key` of `section` set to `value`, cut at its first line
// break: the first such line changed, or else a line added after the
// section's last, or else the section added at the end. Every other line
// stays as it was, with the line breaks the text uses.
[[nodiscard]] std::wstring WithIniValue(std::wstring_view text, std::wstring_view section, std::wstring_view key,
                                        std::wstring_view value);

}  // namespace rublet
