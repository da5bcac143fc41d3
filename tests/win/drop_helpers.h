#pragma once
// Real drop handles, and a thread that answers the message boxes this
// process shows while its main thread sits in their modal loops.

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace rublet::testing_drops {

// An HDROP as the shell makes it: DROPFILES followed by wide paths.
[[nodiscard]] HDROP MakeDrop(const std::vector<std::wstring>& paths);
// True once the drop's memory has been given back.
[[nodiscard]] bool IsReleased(HDROP drop);

class BoxAnswerer {
public:
    explicit BoxAnswerer(int button = IDOK);
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    ~BoxAnswerer();

    // "title|text" of every box answered so far.
    [[nodiscard]] std::vector<std::wstring> Seen();
    // Runs once, on the answering thread, while the first box is open.
    void WhileFirstBoxIsOpen(void (*action)(void*), void* context);

private:
    void Run();

    int button_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::wstring> seen_;
    void (*action_)(void*) = nullptr;
    void* context_ = nullptr;
    std::thread thread_;
};

// Posts a drop of `paths` to the main window and waits until it has been
// collected, taken by the timer and processed, with the hook back in
// place; false when that did not happen in time. The drop handle is returned.
HDROP DropOnMainWindowAndWait(HWND mainWindow, const std::vector<std::wstring>& paths, bool& processed);

// A visible top-level window of the process with the class name, or null.
[[nodiscard]] HWND VisibleWindowOf(DWORD processId, const wchar_t* className);

// Dispatches this thread's messages for the given time.
void PumpMessages(DWORD milliseconds);
// Dispatches this thread's messages until the condition holds or the time
// is up; tells whether it held.
bool PumpUntil(bool (*condition)(const void*), const void* context, DWORD limitMilliseconds = 20000);

}  // namespace rublet::testing_drops
