#pragma once
// The window region made from the run list.

#include <span>

#include "pictures/run_scan.h"
#include "platform/system/handles.h"

namespace rublet {

// The union of the runs, each one pixel high; an empty region for no runs.
[[nodiscard]] UniqueRegion BuildShapeRegion(std::span<const RunRect> runs);

}  // namespace rublet
