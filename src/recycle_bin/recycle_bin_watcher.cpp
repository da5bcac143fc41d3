#include "recycle_bin/recycle_bin_watcher.h"

#include "recycle_bin/recycle_bin_looks.h"

namespace rublet {
namespace {

// The watcher's own window takes these; none reaches the bin's window.
constexpr UINT LookedMessage = WM_APP + 1;
constexpr UINT ShellChangeMessage = WM_APP + 2;
constexpr UINT StorageChangeMessage = WM_APP + 3;
constexpr UINT_PTR NextLookTimerId = 1;
constexpr std::chrono::seconds FirstLookWait{60};

}  // namespace

RecycleBinWatcher::RecycleBinWatcher(HWND window, UINT message)
    : window_(window),
      message_(message),
      messages_([this](UINT m, WPARAM w, LPARAM l) { OnMessage(m, w, l); }),
      state_(messages_.hwnd(), LookedMessage),
      shellWatch_(messages_.hwnd(), ShellChangeMessage),
      storageWatch_(messages_.hwnd(), StorageChangeMessage) {}

std::wstring RecycleBinWatcher::StatusLine() const {
    const std::optional<RecycleBinContents> last = state_.Last(FirstLookWait);
    return last ? last->StatusLine() : std::wstring();
}

void RecycleBinWatcher::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LookedMessage:
        Looked();
        break;
    case ShellChangeMessage:
        RecycleBinWatch::Acknowledge(wParam, lParam);
        state_.Look();
        break;
    case StorageChangeMessage:
        storageWatch_.Rearm();  // before the look, so that no later change goes unseen
        state_.Look();
        break;
    case WM_TIMER:
        nextLook_.reset();
        state_.Look();
        break;
    default:
        break;
    }
}

void RecycleBinWatcher::Looked() {
    const std::optional<RecycleBinContents> last = state_.Last();
    if (!last) return;
    if (!told_ || told_->Count != last->Count || told_->Bytes != last->Bytes) {
        told_ = last;
        ::PostMessageW(window_, message_, 0, 0);
    }
    // Where nothing reports changes, the next look waits in proportion to
    // how long this one took.
    if (!storageWatch_.Watching())
        nextLook_.emplace(messages_.hwnd(), NextLookTimerId, NextRecycleBinCheckMs(last->LookMs));
}

}  // namespace rublet
