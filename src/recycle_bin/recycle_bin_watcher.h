#pragma once
// Everything that keeps the bin's idea of the Recycle Bin up to date: the
// looks at it, the shell's word of its changes, the watch of the folder of
// its items and, where neither reports every change, looks of its own at
// a spacing that grows with how long a look takes. The window hears of it
// only when what the Recycle Bin holds has changed.

#include <windows.h>

#include <optional>
#include <string>

#include "platform/window/message_window.h"
#include "platform/window/window_timer.h"
#include "recycle_bin/recycle_bin_state.h"
#include "recycle_bin/recycle_bin_storage_watch.h"
#include "recycle_bin/recycle_bin_watch.h"

namespace rublet {

class RecycleBinWatcher {
public:
    // Starts the first look. Posts `message` to `window` after the first
    // look and after each look whose count or size differs from the last.
    RecycleBinWatcher(HWND window, UINT message);
    RecycleBinWatcher(const RecycleBinWatcher&) = delete;
    RecycleBinWatcher& operator=(const RecycleBinWatcher&) = delete;
    ~RecycleBinWatcher() = default;

    // The program itself has changed the Recycle Bin.
    void Look() noexcept { state_.Look(); }

    [[nodiscard]] std::optional<RecycleBinContents> Last() const { return state_.Last(); }
    // The status line of the last look, for the tooltip and the menu. Only
    // before the first look has ended does it wait, for that look, at most
    // a minute: a large Recycle Bin under Wine takes seconds.
    [[nodiscard]] std::wstring StatusLine() const;

private:
    void OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Looked();

    const HWND window_;
    const UINT message_;
    std::optional<RecycleBinContents> told_;  // what the window was last told of
    // Before the others, so that it goes after them: they post to it until they go.
    MessageWindow messages_;
    RecycleBinState state_;
    RecycleBinWatch shellWatch_;
    RecycleBinStorageWatch storageWatch_;
    std::optional<WindowTimer> nextLook_;  // only where storageWatch_ watches nothing
};

}  // namespace rublet
