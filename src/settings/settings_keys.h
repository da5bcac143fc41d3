#pragma once
// Where the settings are kept: under
// HKEY_CURRENT_USER\Software\<application>\<section>, or in the section of
// that name of Rublet.ini beside the program.

#include <string_view>

namespace rublet::names {

inline constexpr std::wstring_view SettingsApplication = L"Rublet";
inline constexpr std::wstring_view SettingsSection = L"setting";
inline constexpr std::wstring_view KeyDefleft = L"Defleft";
inline constexpr std::wstring_view KeyDeftop = L"Deftop";
inline constexpr std::wstring_view KeyBmpdir = L"Bmpdir";
inline constexpr std::wstring_view KeyOption1 = L"Option1";
inline constexpr std::wstring_view KeyOption2 = L"Option2";
inline constexpr std::wstring_view KeyOption3 = L"Option3";
inline constexpr std::wstring_view KeyOption4 = L"Option4";
inline constexpr std::wstring_view KeyOption5 = L"Option5";

// Beside the program, it holds the settings instead of the registry.
inline constexpr std::wstring_view PortableSettingsFile = L"Rublet.ini";

}  // namespace rublet::names
