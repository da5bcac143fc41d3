#pragma once
// A check on bitmap files before the picture loader decodes them. Portable.

#include <cstddef>
#include <cstdint>
#include <span>

namespace rublet {

// False for a file that starts as a bitmap ("BM") but is shorter than its
// own headers say: decoders differ on such files, some read past the end.
// Other formats pass unchecked.
[[nodiscard]] bool IsWholeIfBitmap(std::span<const std::uint8_t> file) noexcept;

}  // namespace rublet
