#pragma once
// Whether the Recycle Bin holds anything, for the bin's full or empty
// picture: cheaper than its count and size (SHQueryRecycleBinW), which walk
// every item.

namespace rublet {

// True when the Recycle Bin folder of the shell (every drive's on Windows)
// gives at least one item, hidden ones included; asks for the first and
// stops there. A shell that cannot be asked reads as an empty Recycle Bin.
[[nodiscard]] bool RecycleBinHoldsAnything() noexcept;

}  // namespace rublet
