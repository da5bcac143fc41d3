#include "recycle_bin/recycle_bin_watcher.h"

#include "texts/language.h"
#include "recycle_bin/look_spacing.h"

namespace rublet {
namespace {

// The watcher's own window takes these; none reaches the bin's window.
constexpr UINT ShellChangeMessage = WM_APP + 1;
constexpr UINT_PTR NextLookTimerId = 1;

}  // namespace

RecycleBinWatcher::RecycleBinWatcher(UiTasks& tasks, RecycleBinGate& gate, std::function<void()> changed)
    : gate_(gate),
      changed_(std::move(changed)),
      messages_([this](UINT m, WPARAM w, LPARAM l) { OnMessage(m, w, l); }),
      shellWatch_(messages_.hwnd(), ShellChangeMessage),
      folderWatch_(tasks,
                   [this] {
                       folderWatch_.Rearm();  // before the look, so that no later change goes unseen
                       Look();
                   }),
      look_(tasks) {
    Look();
}

void RecycleBinWatcher::Look() {
    if (look_.Running()) {
        wanted_ = true;
        return;
    }
    wanted_ = false;
    look_.Start([&gate = gate_](const StopToken&) { return LookAtRecycleBin(gate); },
                [this](RecycleBinContents contents) { Looked(contents); });
}

std::wstring RecycleBinWatcher::StatusLine() const {
    return last_ ? last_->StatusLine() : std::wstring(Text().TrashLooking);
}

void RecycleBinWatcher::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ShellChangeMessage) {
        ShellChangeWatch::Acknowledge(wParam, lParam);
        Look();
    } else if (message == WM_TIMER) {
        nextLook_.reset();
        Look();
    }
}

void RecycleBinWatcher::Looked(const RecycleBinContents& contents) {
    const bool differs = !last_ || last_->Count != contents.Count || last_->Bytes != contents.Bytes;
    last_ = contents;
    if (wanted_) Look();
    // Where nothing reports changes, the next look waits in proportion to
    // how long this one took.
    else if (!folderWatch_.Watching())
        nextLook_.emplace(messages_.hwnd(), NextLookTimerId, NextRecycleBinCheckMs(contents.LookMs));
    if (differs) changed_();
}

}  // namespace rublet
