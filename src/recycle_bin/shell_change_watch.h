#pragma once
// The shell's word when the Recycle Bin changes.

#include <windows.h>

namespace rublet {

// Sends `message` to the window whenever the shell reports a change in the
// Recycle Bin (SHChangeNotifyRegister on its folder and all below it), for
// as long as the watch lives. Not every shell reports every change (Wine's
// does not), so RecycleBinWatcher looks for itself from time to time as well.
class RecycleBinWatch {
public:
    RecycleBinWatch(HWND hwnd, UINT message) noexcept;
    RecycleBinWatch(const RecycleBinWatch&) = delete;
    RecycleBinWatch& operator=(const RecycleBinWatch&) = delete;
    ~RecycleBinWatch();

    // Gives back what the shell sent with the message.
    static void Acknowledge(WPARAM wParam, LPARAM lParam) noexcept;

private:
    ULONG registration_ = 0;
};

}  // namespace rublet
