#pragma once
// The paths of a drop, read from its DROPFILES block in one walk. Portable:
// the block is taken as bytes, so the rules are tested natively as well.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rublet {

// Turns a path in the ANSI code page into UTF-16.
using AnsiToWide = std::function<std::wstring(std::string_view)>;

// The block as the shell hands it over: the DROPFILES header (pFiles, the
// list's offset from the block's start; pt; fNC; fWide, all 32-bit little
// endian), then the paths, each ended by a NUL, the list by an empty path;
// UTF-16 when fWide is not 0, else ANSI. Every path whole, in the drop's
// order. Nothing for a block shorter than its header, a list that does not
// start after the header and within the block, or one whose paths or end
// do not lie wholly within the block: nothing past `block` is read.
[[nodiscard]] std::optional<std::vector<std::wstring>> ReadDropFilesBlock(std::span<const std::byte> block,
                                                                          const AnsiToWide& fromAnsi);

}  // namespace rublet
