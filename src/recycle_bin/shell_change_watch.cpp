#include "recycle_bin/shell_change_watch.h"

#include <shlobj.h>

namespace rublet {

ShellChangeWatch::ShellChangeWatch(HWND hwnd, UINT message) noexcept {
    PIDLIST_ABSOLUTE folder = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(hwnd, CSIDL_BITBUCKET, &folder))) return;
    const SHChangeNotifyEntry entry{folder, TRUE};
    registration_ = ::SHChangeNotifyRegister(hwnd, SHCNRF_ShellLevel | SHCNRF_InterruptLevel | SHCNRF_NewDelivery,
                                             SHCNE_ALLEVENTS, message, 1, &entry);
    ::CoTaskMemFree(folder);
}

ShellChangeWatch::~ShellChangeWatch() {
    if (registration_) ::SHChangeNotifyDeregister(registration_);
}

void ShellChangeWatch::Acknowledge(WPARAM wParam, LPARAM lParam) noexcept {
    PIDLIST_ABSOLUTE* items = nullptr;
    LONG event = 0;
    if (HANDLE lock = ::SHChangeNotification_Lock(reinterpret_cast<HANDLE>(wParam), static_cast<DWORD>(lParam), &items, &event))
        ::SHChangeNotification_Unlock(lock);
}

}  // namespace rublet
