#pragma once
// A drop processed on a thread of its own: the check, the question, the
// shell's work and the messages, while the window goes on answering. The
// window hears of the end through the message it names, and then calls
// Finish.

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "settings/settings.h"

namespace rublet {

class DropJob {
public:
    DropJob() = default;
    DropJob(const DropJob&) = delete;
    DropJob& operator=(const DropJob&) = delete;
    // A job that runs is waited for: the shell's work cannot be broken off.
    ~DropJob() { Finish(); }

    // The boxes are owned by `owner`, which is posted `doneMessage` at the end.
    void Start(HWND owner, UINT doneMessage, SettingsRecord settings, std::vector<std::wstring> paths);
    [[nodiscard]] bool Running() const noexcept { return worker_.joinable(); }
    void Finish();
    // Leaves a running job to itself, for a process that is being ended:
    // waiting could hold the session's end up behind the job's question.
    void Abandon() noexcept;

private:
    std::thread worker_;
};

}  // namespace rublet
