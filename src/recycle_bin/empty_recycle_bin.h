#pragma once
// Emptying the Recycle Bin, the Recycle Bins of all drives together.

#include "recycle_bin/recycle_bin_gate.h"

namespace rublet {

// In the gate's turn: the shell confirms, shows its progress and plays its
// sound (unless `quietly`), its windows owned by none (they belong to the
// calling worker's thread). True when it emptied; false when the user
// declined or it failed.
[[nodiscard]] bool EmptyRecycleBin(RecycleBinGate& gate, bool quietly = false);

}  // namespace rublet
