#pragma once
// The screen and the monitors in twips, at the screen's resolution.

#include <vector>

#include "platform/portable/screen_twips.h"

namespace rublet {

struct TwipsPerPixel {
    float X = 15;
    float Y = 15;
};

// Twips to pixels with a screen's twips-per-pixel factor, to the nearest pixel.
[[nodiscard]] constexpr int TwipsToPixels(int twips, float twipsPerPixel) noexcept {
    const float pixels = static_cast<float>(twips) / twipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5f : pixels + 0.5f);
}

[[nodiscard]] constexpr float PixelsToTwips(int pixels, float twipsPerPixel) noexcept {
    return static_cast<float>(pixels) * twipsPerPixel;
}

[[nodiscard]] TwipsPerPixel ScreenTwipsPerPixel() noexcept;
// The screen's dots per inch across (96 at 100 % scaling).
[[nodiscard]] int ScreenDpi() noexcept;
[[nodiscard]] ScreenTwips ScreenSizeInTwips() noexcept;
// Every monitor's rectangle, in the same twips.
[[nodiscard]] std::vector<TwipsRect> MonitorsInTwips();

}  // namespace rublet
