#pragma once
// Everything that keeps the program's idea of the Recycle Bin up to date:
// the looks at it, each a job on a worker; the shell's word of its changes;
// the watch of the folder of its items; and, where neither reports every
// change, looks of its own at a spacing that grows with how long a look
// takes. The window hears of it only when what the Recycle Bin holds has
// changed, and never waits for a look.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/window/background_job.h"
#include "platform/window/message_window.h"
#include "platform/window/ui_tasks.h"
#include "platform/window/window_timer.h"
#include "recycle_bin/recycle_bin_gate.h"
#include "recycle_bin/recycle_bin_look.h"
#include "recycle_bin/shell_change_watch.h"
#include "recycle_bin/trash_folder_watch.h"

namespace rublet {

class RecycleBinWatcher {
public:
    // Starts the first look. Runs `changed` on the window's thread after
    // the first look and after each look whose count or size differs from
    // the one before.
    RecycleBinWatcher(UiTasks& tasks, RecycleBinGate& gate, std::function<void()> changed);
    RecycleBinWatcher(const RecycleBinWatcher&) = delete;
    RecycleBinWatcher& operator=(const RecycleBinWatcher&) = delete;
    // Waits for a look under way: it only reads.
    ~RecycleBinWatcher() = default;

    // The Recycle Bin may have changed: a look follows, after the one
    // under way if there is one.
    void Look();

    // What the last look found; nothing before the first has ended.
    [[nodiscard]] const std::optional<RecycleBinContents>& Last() const noexcept { return last_; }
    // Its status line, or until then that the Recycle Bin is being looked at.
    [[nodiscard]] std::wstring StatusLine() const;

private:
    void OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Looked(const RecycleBinContents& contents);

    RecycleBinGate& gate_;
    const std::function<void()> changed_;
    std::optional<RecycleBinContents> last_;
    bool wanted_ = false;  // a look asked for while one was under way
    // The shell's notifications and the timer arrive here.
    MessageWindow messages_;
    ShellChangeWatch shellWatch_;
    TrashFolderWatch folderWatch_;
    std::optional<WindowTimer> nextLook_;  // only where folderWatch_ watches nothing
    // Last, so that it goes first: the look ends before what it reports to.
    BackgroundJob look_;
};

}  // namespace rublet
