#pragma once
// A window that is never shown and only takes messages, for a part of the
// program that needs its own: the shell's word, a thread's word, a timer.

#include <windows.h>

#include <functional>

#include "platform/system/handles.h"

namespace rublet {

class MessageWindow {
public:
    using Handler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

    // `handler` takes every message from WM_APP on and WM_TIMER; null
    // hwnd() when the system refused the window.
    explicit MessageWindow(Handler handler);
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;
    ~MessageWindow() = default;

    [[nodiscard]] HWND hwnd() const noexcept { return window_.get(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    Handler handler_;
    UniqueWindow window_;
};

}  // namespace rublet
