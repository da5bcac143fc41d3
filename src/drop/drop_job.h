#pragma once
// A drop processed on a thread of its own: the check, the question, the
// shell's work and the messages, while the window goes on answering. The
// window hears of the end through the message it names, and then calls
// Finish.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "settings/settings.h"

namespace rublet {

// What a finished job did, for the window to take up.
struct DropOutcome {
    std::vector<std::wstring> Paths;
    bool Recycled = false;  // sent to the Recycle Bin rather than deleted for good
    bool AllGone = false;   // every item went, and the user was told so
    std::int64_t Started = 0, Ended = 0;  // FILETIME ticks, around the processing
};

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
    // The last job's, once it has finished.
    [[nodiscard]] const DropOutcome& Outcome() const noexcept { return *outcome_; }
    // Leaves a running job to itself, for a process that is being ended:
    // waiting could hold the session's end up behind the job's question.
    void Abandon() noexcept;

private:
    std::thread worker_;
    // Written by the job's thread until Finish; shared, so that an abandoned
    // job never writes into a job object that has gone.
    std::shared_ptr<DropOutcome> outcome_ = std::make_shared<DropOutcome>();
};

}  // namespace rublet
