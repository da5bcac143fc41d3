#include "platform/window/message_box.h"

#include <atomic>
#include <string>

namespace rublet {
namespace {
// Set by the thread that processes a drop, read by the window's.
std::atomic<MousePointer> appMousePointer = MousePointer::Default;
}

int MsgBox(HWND owner, std::wstring_view text, UINT style, std::wstring_view title) {
    return ::MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(title).c_str(), style);
}

void SetAppMousePointer(MousePointer pointer) noexcept {
    appMousePointer = pointer;
    ::SetCursor(::LoadCursorW(nullptr, pointer == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

bool ApplyAppMousePointer() noexcept {
    if (appMousePointer != MousePointer::Hourglass) return false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

}  // namespace rublet
