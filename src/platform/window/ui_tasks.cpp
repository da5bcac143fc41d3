#include "platform/window/ui_tasks.h"

#include <utility>

namespace rublet {
namespace {

constexpr UINT RingMessage = WM_APP;
constexpr UINT_PTR RingAgainTimer = 1;
constexpr UINT RingAgainMs = 10;

}  // namespace

UiTasks::UiTasks(Bell bell)
    : bell_(bell), window_([this](UINT message, WPARAM, LPARAM) {
          if (message == WM_TIMER) ::KillTimer(window_.hwnd(), RingAgainTimer);
          RunWaiting();
      }) {}

BOOL UiTasks::Ring(HWND window, UINT message) { return ::PostMessageW(window, message, 0, 0); }

bool UiTasks::Post(std::function<void()> task) {
    const HWND window = window_.hwnd();
    if (!window) return false;
    {
        const std::lock_guard lock(mutex_);
        waiting_.push_back(std::move(task));
        if (std::exchange(rung_, true)) return true;
    }
    const bool onWindowThread = ::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId();
    while (!bell_(window, RingMessage)) {
        {
            const std::lock_guard lock(mutex_);
            ++refused_;
        }
        if (onWindowThread) return ::SetTimer(window, RingAgainTimer, RingAgainMs, nullptr) != 0;
        if (!::IsWindow(window)) return false;
        ::Sleep(RingAgainMs);
    }
    return true;
}

unsigned UiTasks::RefusedRings() const {
    const std::lock_guard lock(mutex_);
    return refused_;
}

// One at a time, in the order posted: a task that opens a box runs a
// message loop, in which the tasks posted meanwhile run after those before.
void UiTasks::RunWaiting() {
    {
        const std::lock_guard lock(mutex_);
        rung_ = false;
    }
    for (;;) {
        std::function<void()> task;
        {
            const std::lock_guard lock(mutex_);
            if (waiting_.empty()) return;
            task = std::move(waiting_.front());
            waiting_.pop_front();
        }
        task();
    }
}

}  // namespace rublet
