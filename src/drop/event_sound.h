#pragma once
// The sound of the "EmptyRecycleBin" event, as the user's scheme stores it.

#include <windows.h>

#include <string>
#include <string_view>

namespace rublet {

// The value's text up to its first NUL, unexpanded, whatever its length;
// "" when the key or the value cannot be read.
[[nodiscard]] std::wstring ReadRegString(HKEY root, std::wstring_view subkey, std::wstring_view valueName);

// Environment references such as %SystemRoot% replaced.
[[nodiscard]] std::wstring ExpandEnvironment(const std::wstring& text);

// Starts the sound without waiting; an empty name is passed on too.
void PlayEventSound(const std::wstring& name);

}  // namespace rublet
