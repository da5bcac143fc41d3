#include "drop/drop_handling.h"

#include "drop/event_sound.h"
#include "drop/hook.h"
#include "platform/system/file_time.h"
#include "platform/window/app_mouse_pointer.h"
#include "platform/window/message_box.h"

namespace rublet {

DropHandling::DropHandling(HWND window, UiTasks& tasks, std::function<void(bool)> hovering,
                           std::function<bool()> recycling)
    : window_(window),
      target_(window, {[this] { return TakesDrops(); }, std::move(recycling), std::move(hovering)}),
      worker_(tasks, Apartment::SingleThreaded) {}

bool DropHandling::TakesDrops() const noexcept { return holds_ == 0 && !processing_ && ::IsWindowEnabled(window_); }

DropHandling::~DropHandling() {
    worker_.Wait();
    if (holds_ == 0) Hold();  // the window's procedure as it was
    SetAppMousePointer(MousePointer::Default);
}

void DropHandling::Hold() noexcept {
    if (holds_++ == 0) UnhookWindow(window_);
}

void DropHandling::Release() noexcept {
    if (holds_ == 0 || --holds_ != 0) return;
    DropPending = 0;
    // What DragAcceptFiles does, without loading the shell before the
    // window shows; only where the drop target could not be registered.
    // Wine would otherwise hand the window as WM_DROPFILES a drop that
    // the target refused.
    const LONG_PTR style = ::GetWindowLongPtrW(window_, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_ACCEPTFILES);
    ::SetWindowLongPtrW(window_, GWL_EXSTYLE, target_.Registered() ? style : style | WS_EX_ACCEPTFILES);
    HookWindow(window_);
}

bool DropHandling::TakePendingDrop() noexcept {
    if (DropPending != -1 || processing_) return false;
    DropPending = 0;
    return true;
}

void DropHandling::Process(const SettingsRecord& settings, std::function<void(const DropOutcome&)> processed) {
    Hold();
    processing_ = true;
    auto outcome = std::make_shared<DropOutcome>(DropOutcome{DroppedFiles, IsRecycleBinMode(settings), false, FileTimeNow()});
    ProcessDroppedFiles(settings, DroppedFiles, files_, *this, *this,
                        [this, outcome, processed = std::move(processed)](bool allGone) {
                            outcome->AllGone = allGone;
                            outcome->Ended = FileTimeNow();
                            processing_ = false;
                            Release();
                            processed(*outcome);
                        });
}

// The hourglass shows while the worker works, over every window of the
// program, and the default pointer while a box asks.
void DropHandling::OnWorker(std::function<void()> work, std::function<void(bool returned)> then) {
    const auto ended = [then = std::move(then)](bool returned) {
        SetAppMousePointer(MousePointer::Default);
        then(returned);
    };
    SetAppMousePointer(MousePointer::Hourglass);
    const bool started = worker_.Start(
        [work = std::move(work)](const StopToken& stop) {
            if (stop.StopRequested()) return false;
            work();
            return true;
        },
        ended);
    if (!started) ended(false);
}

// No box while Windows ends the session: it would hold the log-off up. The
// drop then ends at its next question, which reads as a no.
int DropHandling::ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) {
    if (sessionEnding_) return IDCANCEL;
    return MsgBox(window_, text, style, title);
}

void DropHandling::PlayEventSound() { rublet::PlayEventSound(EventSoundName()); }

void DropHandling::EndSession() noexcept {
    sessionEnding_ = true;
    worker_.RequestStop();
    worker_.Wait();
}

}  // namespace rublet
