#pragma once
// The process's environment.

#include <string>

namespace rublet {

// Environment references such as %SystemRoot% replaced.
[[nodiscard]] std::wstring ExpandEnvironment(const std::wstring& text);

// The value of an environment variable; "" when it is not set.
[[nodiscard]] std::wstring EnvironmentVariable(const wchar_t* name);

// Whether the program runs under Wine, whose ntdll names its version.
[[nodiscard]] bool RunsUnderWine() noexcept;

}  // namespace rublet
