#pragma once
// Whether the Recycle Bin holds anything, for the bin's full or empty
// picture, which needs neither its count nor its size (SHQueryRecycleBinW
// walks every item for those).

namespace rublet {

// True when the Recycle Bin folder of the shell (every drive's on Windows)
// gives at least one item, hidden and system ones included; asks for the
// first and stops there. Wine's folder reads every item's description
// before it gives the first, so there this costs what the count costs.
// A shell that cannot be asked reads as an empty Recycle Bin.
[[nodiscard]] bool RecycleBinHoldsAnything() noexcept;

}  // namespace rublet
