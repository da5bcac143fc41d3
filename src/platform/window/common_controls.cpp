#include "platform/window/common_controls.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/system/late_bound.h"

namespace rublet {

bool LoadCommonControls() noexcept {
    static const bool loaded = [] {
        // By its bare name, so that the manifest's version is the one loaded.
        const auto initialize = LateBound<decltype(::InitCommonControlsEx)>(RUBLET_RUNTIME_NAME(L"comctl32.dll", "InitCommonControlsEx"));
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return initialize && initialize(&classes) != FALSE;
    }();
    return loaded;
}

}  // namespace rublet
