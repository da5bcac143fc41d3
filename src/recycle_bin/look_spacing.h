#pragma once
// How often the bin looks at the Recycle Bin for itself, where the shell
// does not report every change of it. Portable.

namespace rublet {

// The wait before the next look, after one that took `lastMs`: 2 seconds,
// but never so short that looking takes more than a fortieth of the time
// (a large Recycle Bin under a slow shell), and never more than a minute.
[[nodiscard]] constexpr unsigned NextRecycleBinCheckMs(unsigned lastMs) noexcept {
    constexpr unsigned Shortest = 2000, Longest = 60000, Share = 40;
    return lastMs >= Longest / Share ? Longest : lastMs * Share > Shortest ? lastMs * Share : Shortest;
}

}  // namespace rublet
