#pragma once
// Work on a thread of its own, whose result comes back to the window's
// thread: the one shape of the program's background work. A job has one
// owner, the object below, and one end: the owner's destructor waits for
// the work, and an end that has not run by then never runs. The work is
// told when it should stop between two of its items (the end of the
// session); the window's thread never waits for it otherwise.

#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

#include "platform/system/com.h"
#include "platform/system/handles.h"
#include "platform/window/ui_tasks.h"

namespace rublet {

// What the work asks between two items.
class StopToken {
public:
    [[nodiscard]] bool StopRequested() const noexcept { return stop_ && stop_->load(); }

private:
    friend class BackgroundJob;
    explicit StopToken(std::shared_ptr<std::atomic<bool>> stop) noexcept : stop_(std::move(stop)) {}
    std::shared_ptr<std::atomic<bool>> stop_;
};

class BackgroundJob {
public:
    // The work runs in the multithreaded apartment unless it makes windows
    // of its own (the shell's progress and questions).
    explicit BackgroundJob(UiTasks& tasks, Apartment apartment = Apartment::Multithreaded) noexcept
        : tasks_(tasks), apartment_(apartment) {}
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;
    ~BackgroundJob();

    // On the window's thread: `work(StopToken)` on a worker, then `end`
    // with its result on the window's thread. A work that throws ends as
    // one that returned its result's default. False while a job runs, and
    // when no thread can be made.
    template <class Work, class End>
    bool Start(Work work, End end);

    // From Start until its end has begun.
    [[nodiscard]] bool Running() const noexcept { return running_; }
    // The work sees StopRequested() from now on.
    void RequestStop() noexcept;
    // Until the work has returned, letting through the messages that other
    // threads send to the window's (the shell's word of a change); its end
    // then runs as posted, if the window's message loop still runs.
    void Wait() noexcept;

private:
    // Runs on the new thread: COM for it, then the function.
    bool Launch(std::function<void()> body);

    UiTasks& tasks_;
    const Apartment apartment_;
    bool running_ = false;
    std::shared_ptr<std::atomic<bool>> stop_;
    // Gone with the owner: a posted end that finds it gone does nothing.
    std::shared_ptr<BackgroundJob*> owner_ = std::make_shared<BackgroundJob*>(this);
    UniqueKernelHandle thread_;
};

template <class Work, class End>
bool BackgroundJob::Start(Work work, End end) {
    using Result = std::invoke_result_t<Work&, StopToken>;
    if (running_) return false;
    Wait();  // the thread of the job before, whose end has run
    stop_ = std::make_shared<std::atomic<bool>>(false);
    std::weak_ptr<BackgroundJob*> owner = owner_;
    auto body = [this, owner, token = StopToken(stop_), work = std::move(work), end = std::move(end)]() mutable {
        Result result{};
        try {
            result = work(token);
        } catch (const std::exception&) {
            result = Result{};
        }
        // After the post, this thread touches nothing of the job's: the
        // owner may be gone as soon as the work has returned.
        tasks_.Post([owner, end = std::move(end), result = std::move(result)]() mutable {
            const std::shared_ptr<BackgroundJob*> job = owner.lock();
            if (!job) return;
            (*job)->running_ = false;
            end(std::move(result));
        });
    };
    running_ = Launch(std::move(body));
    return running_;
}

}  // namespace rublet
