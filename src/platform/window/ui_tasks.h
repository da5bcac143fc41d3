#pragma once
// One way back to the window's thread: any thread posts a function here,
// and one message-only window made on that thread runs it there, in the
// order posted. The functions wait in a queue of their own; a posted
// message only rings the window, once for however many are waiting.

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>

#include "platform/window/message_window.h"

namespace rublet {

class UiTasks {
public:
    // How the window is rung; PostMessageW but in tests.
    using Bell = BOOL (*)(HWND window, UINT message);

    // On the window's thread, whose message loop then runs the functions.
    explicit UiTasks(Bell bell = &Ring);
    UiTasks(const UiTasks&) = delete;
    UiTasks& operator=(const UiTasks&) = delete;
    // Functions still waiting never run.
    ~UiTasks() = default;

    // From any thread. A ring that the system refuses (a full message
    // queue) is rung again: from another thread until it is taken, on the
    // window's thread by a timer of its own. False only when the window
    // has gone, or was never made: then `task` will not run.
    bool Post(std::function<void()> task);

    // How often the system refused a ring.
    [[nodiscard]] unsigned RefusedRings() const;

private:
    static BOOL Ring(HWND window, UINT message);
    void RunWaiting();

    const Bell bell_;
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> waiting_;
    bool rung_ = false;  // a ring is on its way, or a timer rings again
    unsigned refused_ = 0;
    // Last: it goes first, so nothing runs while the queue goes.
    MessageWindow window_;
};

}  // namespace rublet
