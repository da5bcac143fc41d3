#pragma once
// The shape made step by step as first designed: one GetPixel per pixel,
// one CombineRgn per run. The shipped code must give the same region.

#include <windows.h>

#include <vector>

#include "platform/handles.h"
#include "shape/run_scan.h"

namespace rublet::reference {

// Runs of every pixel of the DC's `width` x `height` area whose GetPixel
// colour differs from `transparent`.
[[nodiscard]] std::vector<RunRect> ScanWithGetPixel(HDC hdc, int width, int height, COLORREF transparent);

// CreateRectRgn for the first run, then for each further run a temporary
// region united with CombineRgn and deleted.
[[nodiscard]] UniqueRegion BuildWithCombineRgn(const std::vector<RunRect>& runs);

// The rectangles of a region as GetRegionData gives them.
[[nodiscard]] std::vector<RECT> RegionRects(HRGN region);

}  // namespace rublet::reference
