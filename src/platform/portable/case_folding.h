#pragma once
// The one rule by which the program takes two names for one, as Windows
// compares file names: each UTF-16 code unit in upper case by its simple
// mapping, one unit for one (U+00DF stays, a surrogate stays). Portable.

#include <string>
#include <string_view>

namespace rublet {

[[nodiscard]] wchar_t UpperCaseUnit(wchar_t unit) noexcept;
[[nodiscard]] std::wstring UpperCase(std::wstring_view text);

}  // namespace rublet
