#include "platform/window/app_mouse_pointer.h"

#include <windows.h>

#include <atomic>

namespace rublet {
namespace {

// Set by the thread that processes a drop, read by the window's.
std::atomic<MousePointer> appMousePointer = MousePointer::Default;

}  // namespace

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
