#pragma once
// The process's environment.

#include <string>

namespace rublet {

// Environment references such as %SystemRoot% replaced.
[[nodiscard]] std::wstring ExpandEnvironment(const std::wstring& text);

}  // namespace rublet
