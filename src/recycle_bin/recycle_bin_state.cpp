#include "recycle_bin/recycle_bin_state.h"

#include <shellapi.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/system/com.h"
#include "platform/system/recycle_bin_turns.h"
#include "recycle_bin/trash_status.h"

namespace rublet {

std::wstring RecycleBinContents::StatusLine() const { return TrashStatusText(Count, Count != 0 ? Bytes : 0); }

struct RecycleBinState::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    bool stopping = false;
    bool wanted = true;  // the first look
    std::optional<RecycleBinContents> last;
    const HWND window;
    const UINT message;

    Shared(HWND window, UINT message) noexcept : window(window), message(message) {}

    // The thread's life: a look whenever one is wanted, until stopping.
    static void Run(std::shared_ptr<Shared> shared) {
        const ComApartment apartment;  // the shell's Recycle Bin folder may need COM
        for (;;) {
            {
                std::unique_lock lock(shared->mutex);
                shared->changed.wait(lock, [&] { return shared->stopping || shared->wanted; });
                if (shared->stopping) return;
                shared->wanted = false;
            }
            const ULONGLONG start = ::GetTickCount64();
            SHQUERYRBINFO info{};
            info.cbSize = sizeof info;
            {
                const std::lock_guard turn(RecycleBinTurns());
                ::SHQueryRecycleBinW(nullptr, &info);  // one query for both figures: each walks every item
            }
            const auto tookMs = static_cast<unsigned>(std::min<ULONGLONG>(::GetTickCount64() - start, 3600000));
            {
                const std::lock_guard lock(shared->mutex);
                if (shared->stopping) return;
                shared->last = RecycleBinContents{info.i64NumItems, info.i64Size, tookMs};
            }
            shared->changed.notify_all();
            ::PostMessageW(shared->window, shared->message, 0, 0);
        }
    }
};

RecycleBinState::RecycleBinState(HWND window, UINT message) : shared_(std::make_shared<Shared>(window, message)) {
    std::thread(&Shared::Run, shared_).detach();
}

RecycleBinState::~RecycleBinState() {
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->stopping = true;
    }
    shared_->changed.notify_all();
}

void RecycleBinState::Look() noexcept {
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->wanted = true;
    }
    shared_->changed.notify_all();
}

std::optional<RecycleBinContents> RecycleBinState::Last(std::chrono::milliseconds wait) const {
    std::unique_lock lock(shared_->mutex);
    shared_->changed.wait_for(lock, wait, [&] { return shared_->last.has_value(); });
    return shared_->last;
}

}  // namespace rublet
