#include "reference_region.h"

namespace rublet::reference {

std::vector<RunRect> ScanWithGetPixel(HDC hdc, int width, int height, COLORREF transparent) {
    std::vector<RunRect> runs;
    bool inRun = false;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = ::GetPixel(hdc, x, y);
            if (pixel != transparent && !inRun) {
                runs.push_back({x, y, 0, 0});
                inRun = true;
            } else if (pixel == transparent && inRun) {
                runs.back().Right = x;
                runs.back().Bottom = y;
                inRun = false;
            }
        }
        if (inRun) {
            runs.back().Right = width;
            runs.back().Bottom = y;
            inRun = false;
        }
    }
    return runs;
}

UniqueRegion BuildWithCombineRgn(const std::vector<RunRect>& runs) {
    if (runs.empty()) return UniqueRegion(::CreateRectRgn(0, 0, 0, 0));
    UniqueRegion region(::CreateRectRgn(runs[0].Left, runs[0].Top, runs[0].Right, runs[0].Bottom + 1));
    for (std::size_t i = 1; i < runs.size(); ++i) {
        HRGN temporary = ::CreateRectRgn(runs[i].Left, runs[i].Top, runs[i].Right, runs[i].Bottom + 1);
        ::CombineRgn(region.get(), temporary, region.get(), RGN_OR);
        ::DeleteObject(temporary);
    }
    return region;
}

}  // namespace rublet::reference
