#pragma once
// One look at the Recycle Bin: how many items it holds and their size, from
// which the full or empty picture and the status line follow. A look reads
// every item (seconds for a large Recycle Bin under Wine): on a worker only.

#include <cstdint>
#include <string>

#include "recycle_bin/recycle_bin_gate.h"

namespace rublet {

struct RecycleBinContents {
    std::int64_t Count = 0;
    std::int64_t Bytes = 0;
    unsigned LookMs = 0;  // how long the look took

    [[nodiscard]] bool Full() const noexcept { return Count != 0; }
    // The status line: the size only for a count that is not 0.
    [[nodiscard]] std::wstring StatusLine() const;
};

// Both figures from one query (each figure alone walks every item), in
// the gate's turn. A query that fails reads as an empty Recycle Bin.
[[nodiscard]] RecycleBinContents LookAtRecycleBin(RecycleBinGate& gate);

}  // namespace rublet
