#include "drop/drop_job.h"

#include <exception>
#include <utility>

#include "drop/drop_processing.h"
#include "drop/shell_desktop.h"
#include "platform/system/com.h"

namespace rublet {

void DropJob::Start(HWND owner, UINT doneMessage, SettingsRecord settings, std::vector<std::wstring> paths) {
    Finish();
    worker_ = std::thread([owner, doneMessage, settings = std::move(settings), paths = std::move(paths)] {
        try {
            // The shell's file operations may use COM on the calling thread.
            const ComApartment com;
            ShellDesktop desktop(owner);
            ProcessDroppedFiles(settings, paths, desktop);
        } catch (const std::exception&) {
            // Nothing was handed to the shell (a failure after it is
            // reported inside): the drop is dropped, as a lost one is.
        }
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
