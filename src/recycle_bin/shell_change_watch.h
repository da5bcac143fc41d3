#pragma once
// The shell's word when the Recycle Bin changes.

#include <windows.h>

namespace rublet {

// Posts `message` to the window whenever the shell reports a change in the
// Recycle Bin (SHChangeNotifyRegister on its folder and all below it), for
// as long as the watch lives. Not every shell reports every change (Wine's
// does not), so the watcher looks for itself from time to time as well.
class ShellChangeWatch {
public:
    ShellChangeWatch(HWND hwnd, UINT message) noexcept;
    ShellChangeWatch(const ShellChangeWatch&) = delete;
    ShellChangeWatch& operator=(const ShellChangeWatch&) = delete;
    ~ShellChangeWatch();

    // Gives back what the shell sent with the message.
    static void Acknowledge(WPARAM wParam, LPARAM lParam) noexcept;

private:
    ULONG registration_ = 0;
};

}  // namespace rublet
