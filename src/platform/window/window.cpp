#include "platform/window/window.h"

#include <cstdlib>
#include <string>

#include "platform/window/app_mouse_pointer.h"

namespace rublet {

void Window::RegisterClassOnce(const WindowClass& windowClass) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(instance, windowClass.Name, &existing)) return;
    WNDCLASSEXW registered{};
    registered.cbSize = sizeof registered;
    registered.style = CS_DBLCLKS;
    registered.lpfnWndProc = &Window::StaticWindowProc;
    registered.hInstance = instance;
    registered.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(windowClass.IconId));
    registered.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    registered.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    registered.lpszClassName = windowClass.Name;
    ::RegisterClassExW(&registered);
}

bool Window::CreateFromLayout(const FormLayout& layout, LayoutTexts texts, const WindowClass& windowClass,
                              DWORD style, DWORD exStyle, int left, int top, TwipsPerPixel factor) {
    if (!CreateWindowFromLayout(layout, texts, windowClass, style, exStyle, left, top, factor)) return false;
    CreateLayoutControls(factor);
    return true;
}

bool Window::CreateWindowFromLayout(const FormLayout& layout, LayoutTexts texts, const WindowClass& windowClass,
                                    DWORD style, DWORD exStyle, int left, int top, TwipsPerPixel factor) {
    RegisterClassOnce(windowClass);
    layout_ = &layout;
    texts_ = texts;
    RECT frame{0, 0, TwipsToPixels(layout.ClientWidth, factor.X),
               TwipsToPixels(layout.ClientHeight, factor.Y)};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const std::wstring caption(texts(layout.Caption));
    HWND hwnd = ::CreateWindowExW(exStyle, windowClass.Name, caption.c_str(), style, left, top,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, ::GetModuleHandleW(nullptr), this);
    return hwnd != nullptr;
}

void Window::CreateLayoutControls(TwipsPerPixel factor) {
    if (hwnd() && layout_) CreateControls(hwnd(), *layout_, texts_, factor);
}

HWND Window::Control(ControlName name, int index) const noexcept {
    if (!layout_) return nullptr;
    for (std::size_t i = 0; i < layout_->Controls.size(); ++i) {
        const ControlLayout& control = layout_->Controls[i];
        if (control.Name == name && control.Index == index) return ::GetDlgItem(hwnd(), ControlId(i));
    }
    return nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && ApplyAppMousePointer()) return TRUE;
    return ::DefWindowProcW(hwnd(), message, wParam, lParam);
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_.reset(hwnd);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // No exception may unwind through the system's frames. The message
        // loop ends instead, and the program closes in order behind it.
        ::PostQuitMessage(EXIT_FAILURE);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        // The window is gone; nothing is left to destroy.
        static_cast<void>(self->window_.release());
    }
    return result;
}

}  // namespace rublet
