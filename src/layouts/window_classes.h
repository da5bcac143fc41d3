#pragma once
// The class names of the program's windows, by which a second start and
// the tests find them.

namespace rublet::names {

inline constexpr wchar_t Form1Class[] = L"Rublet.Form1";
inline constexpr wchar_t Form2Class[] = L"Rublet.Form2";
inline constexpr wchar_t Form3Class[] = L"Rublet.Form3";

}  // namespace rublet::names
