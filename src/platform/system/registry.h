#pragma once
// Reading a registry value as text.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace rublet {

struct RegistryText {
    DWORD Type = REG_NONE;
    std::wstring Text;  // the value's data up to its first NUL
};

// A value of any length and any type, read as text; nothing when the key
// or the value cannot be read.
[[nodiscard]] std::optional<RegistryText> ReadRegistryText(HKEY root, std::wstring_view subkey,
                                                           std::wstring_view valueName);

// The value's text up to its first NUL, unexpanded, whatever its length;
// "" when the key or the value cannot be read.
[[nodiscard]] std::wstring ReadRegString(HKEY root, std::wstring_view subkey, std::wstring_view valueName);

}  // namespace rublet
