#include "drop/drop_job.h"

#include <exception>
#include <utility>

#include "drop/drop_processing.h"
#include "drop/shell_desktop.h"
#include "platform/system/com.h"
#include "platform/system/file_time.h"

namespace rublet {

void DropJob::Start(HWND owner, UINT doneMessage, SettingsRecord settings, std::vector<std::wstring> paths) {
    Finish();
    outcome_ = std::make_shared<DropOutcome>(DropOutcome{std::move(paths), settings.Option1 == 0, false, FileTimeNow(), 0});
    worker_ = std::thread([outcome = outcome_, owner, doneMessage, settings = std::move(settings)] {
        try {
            // The shell's file operations may use COM on the calling thread.
            const ComApartment com;
            ShellDesktop desktop(owner);
            outcome->AllGone = ProcessDroppedFiles(settings, outcome->Paths, desktop);
        } catch (const std::exception&) {
            // Nothing was handed to the shell (a failure after it is
            // reported inside): the drop is dropped, as a lost one is.
        }
        outcome->Ended = FileTimeNow();
        ::PostMessageW(owner, doneMessage, 0, 0);
    });
}

void DropJob::Abandon() noexcept {
    if (worker_.joinable()) worker_.detach();
}

void DropJob::Finish() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace rublet
