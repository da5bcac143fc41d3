#include "platform/window/app_mouse_pointer.h"

#include <windows.h>

namespace rublet {
namespace {

MousePointer appMousePointer = MousePointer::Default;

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
