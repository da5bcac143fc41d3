#pragma once
// The screen and the monitors in twips, at the screen's resolution.

#include <vector>

#include "platform/vocabulary.h"

namespace rublet {

struct TwipsPerPixel {
    float X = 15;
    float Y = 15;
};

[[nodiscard]] TwipsPerPixel ScreenTwipsPerPixel() noexcept;
// The screen's dots per inch across (96 at 100 % scaling).
[[nodiscard]] int ScreenDpi() noexcept;
[[nodiscard]] ScreenTwips ScreenSizeInTwips() noexcept;
// Every monitor's rectangle, in the same twips.
[[nodiscard]] std::vector<TwipsRect> MonitorsInTwips();

}  // namespace rublet
