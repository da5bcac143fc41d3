#pragma once
// UTF-8 bytes to and from Unicode text, as Windows converts them: a byte
// that is no UTF-8 becomes U+FFFD.

#include <string>
#include <string_view>

namespace rublet {

[[nodiscard]] std::wstring FromUtf8(std::string_view bytes);
[[nodiscard]] std::string ToUtf8(std::wstring_view text);

}  // namespace rublet
