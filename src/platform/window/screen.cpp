#include "platform/window/screen.h"

#include <windows.h>

#include "platform/system/handles.h"

namespace rublet {
namespace {

// A callback of the system: no exception may leave it. Without memory for
// one more monitor, the search ends with those found.
BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM found) noexcept {
    try {
        reinterpret_cast<std::vector<RECT>*>(found)->push_back(*rect);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

int ScreenDpi() noexcept {
    WindowDc screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
    return dpi > 0 ? dpi : 96;
}

TwipsPerPixel ScreenTwipsPerPixel() noexcept {
    WindowDc screen(nullptr);
    const int dpiX = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
    const int dpiY = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    return {dpiX > 0 ? 1440.0f / dpiX : 15.0f, dpiY > 0 ? 1440.0f / dpiY : 15.0f};
}

ScreenTwips ScreenSizeInTwips() noexcept {
    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    return {PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), factor.X),
            PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN), factor.Y)};
}

std::vector<TwipsRect> MonitorsInTwips() {
    std::vector<RECT> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    std::vector<TwipsRect> twips;
    for (const RECT& r : monitors)
        twips.push_back({PixelsToTwips(r.left, factor.X), PixelsToTwips(r.top, factor.Y),
                         PixelsToTwips(r.right, factor.X), PixelsToTwips(r.bottom, factor.Y)});
    return twips;
}

}  // namespace rublet
