#pragma once
// The Recycle Bin's status line, and how often the bin looks at the Recycle
// Bin for itself. Portable.

#include <cstdint>
#include <string>

namespace rublet {

// "空っぽ" for no items; otherwise the count, "個のｵﾌﾞｼﾞｪｸﾄ(", the size in
// megabytes (single precision, rounded to hundredths with "###0.00", at
// most 7 significant digits) and "MB)".
[[nodiscard]] std::wstring TrashStatusText(std::int64_t count, std::int64_t bytes);

// The wait before the next look, after one that took `lastMs`: 2 seconds,
// but never so short that looking takes more than a fortieth of the time
// (a large Recycle Bin under a slow shell), and never more than a minute.
[[nodiscard]] constexpr unsigned NextRecycleBinCheckMs(unsigned lastMs) noexcept {
    constexpr unsigned Shortest = 2000, Longest = 60000, Share = 40;
    return lastMs >= Longest / Share ? Longest : lastMs * Share > Shortest ? lastMs * Share : Shortest;
}

}  // namespace rublet
