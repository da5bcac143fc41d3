#include "platform/window/background_job.h"

namespace rublet {
namespace {

struct ThreadStart {
    Apartment apartment;
    std::function<void()> body;
};

DWORD WINAPI RunThread(void* parameter) {
    const std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
    const ComApartment com(start->apartment);
    start->body();
    return 0;
}

}  // namespace

BackgroundJob::~BackgroundJob() {
    owner_.reset();
    Wait();
}

bool BackgroundJob::Launch(std::function<void()> body) {
    auto start = std::make_unique<ThreadStart>(ThreadStart{apartment_, std::move(body)});
    thread_.reset(::CreateThread(nullptr, 0, &RunThread, start.get(), 0, nullptr));
    if (!thread_) return false;
    static_cast<void>(start.release());  // the thread owns it now
    return true;
}

void BackgroundJob::RequestStop() noexcept {
    if (stop_) *stop_ = true;
}

void BackgroundJob::Wait() noexcept {
    if (!thread_) return;
    const HANDLE thread = thread_.get();
    while (::MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    thread_.reset();
}

}  // namespace rublet
