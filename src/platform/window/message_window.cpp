#include "platform/window/message_window.h"

namespace rublet {
namespace {

constexpr wchar_t ClassName[] = L"Rublet.Messages";

}  // namespace

MessageWindow::MessageWindow(Handler handler) : handler_(std::move(handler)) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!::GetClassInfoExW(instance, ClassName, &windowClass)) {
        windowClass.lpfnWndProc = &MessageWindow::WindowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = ClassName;
        ::RegisterClassExW(&windowClass);
    }
    window_.reset(::CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this));
}

LRESULT CALLBACK MessageWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* const self = reinterpret_cast<MessageWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && (message >= WM_APP || message == WM_TIMER)) {
        self->handler_(message, wParam, lParam);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace rublet
