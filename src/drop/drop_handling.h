#pragma once
// The one owner of the main window's drop handling: the drop target and
// the hook that collect a drop (drop_target.h, hook.h), the holds that keep
// the handling down, and the drop being processed, one at a time. While the
// handling is down, or the window disabled, the target refuses what hovers
// over it, and a WM_DROPFILES that a program sends reaches only the
// window's own procedure and is lost: while a drop is processed, the
// question and the messages included, while the Recycle Bin is being
// emptied and while the settings dialog is open.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "drop/drop_processing.h"
#include "drop/drop_target.h"
#include "drop/shell_file_system.h"
#include "platform/window/background_job.h"
#include "platform/window/ui_tasks.h"
#include "settings/settings.h"

namespace rublet {

// What a processed drop did, for the window to take up.
struct DropOutcome {
    std::vector<std::wstring> Paths;
    bool Recycled = false;  // sent to the Recycle Bin rather than deleted for good
    bool AllGone = false;   // every item went, and the user was told so
    std::int64_t Started = 0, Ended = 0;  // FILETIME ticks, around the processing
};

class DropHandling final : DropSteps, DropUser {
public:
    // The handling starts down, held once, until the window's setform
    // releases it. `hovering` shows the bin's hover picture, or its own
    // again; `recycling` tells the target what a drop would do.
    DropHandling(HWND window, UiTasks& tasks, std::function<void(bool)> hovering, std::function<bool()> recycling);
    DropHandling(const DropHandling&) = delete;
    DropHandling& operator=(const DropHandling&) = delete;
    // Waits for the drop's work under way, whose end is not taken up, and
    // takes the hook out.
    ~DropHandling();

    // Takes the handling down (UnhookWindow), or keeps it down once more.
    void Hold() noexcept;
    // Gives a hold back. With the last one the handling comes back, in this
    // order: a drop collected but not taken is discarded, the window takes
    // drops again, WindowProc goes in.
    void Release() noexcept;
    // Whether a drop would be taken now.
    [[nodiscard]] bool TakesDrops() const noexcept;

    // The timer's: a drop waits, and none is processed. `DroppedFiles` then
    // holds it, and the flag is cleared.
    [[nodiscard]] bool TakePendingDrop() noexcept;
    // Processes DroppedFiles with the handling held; `processed` runs on
    // the window's thread at the end.
    void Process(const SettingsRecord& settings, std::function<void(const DropOutcome&)> processed);
    [[nodiscard]] bool Processing() const noexcept { return processing_; }

    // The session ends: no box is shown any more, and the drop stops
    // before its next step; waits until its step under way has ended.
    void EndSession() noexcept;

private:
    void OnWorker(std::function<void()> work, std::function<void(bool returned)> then) override;
    int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) override;
    void PlayEventSound() override;

    const HWND window_;
    int holds_ = 1;
    bool processing_ = false;
    bool sessionEnding_ = false;
    ShellFileSystem files_;
    DropTargetRegistration target_;
    // Last, so that it goes first: the work ends before what it uses.
    BackgroundJob worker_;  // in an apartment that may show the shell's windows
};

}  // namespace rublet
