#include "platform/window_runtime.h"

#include <cmath>
#include <vector>

#include "layouts/resource_ids.h"
#include "platform/paths.h"

namespace rublet {

TwipsPerPixel ScreenTwipsPerPixel() noexcept {
    WindowDc screen(nullptr);
    const int dpiX = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
    const int dpiY = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    return {dpiX > 0 ? 1440.0f / dpiX : 15.0f, dpiY > 0 ? 1440.0f / dpiY : 15.0f};
}

ScreenTwips ScreenSizeInTwips() noexcept {
    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    return {static_cast<float>(::GetSystemMetrics(SM_CXSCREEN)) * factor.X,
            static_cast<float>(::GetSystemMetrics(SM_CYSCREEN)) * factor.Y};
}

std::wstring ProgramDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return DirectoryOfModule({buffer.data(), length});
        buffer.resize(buffer.size() * 2);
    }
}

int MsgBox(HWND owner, std::wstring_view text, UINT style, std::wstring_view title) {
    return ::MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(title).c_str(), style);
}

namespace {
MousePointer appMousePointer = MousePointer::Default;
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

void Window::RegisterClassOnce(const wchar_t* className) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(instance, className, &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &Window::StaticWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_RUBLET));
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    ::RegisterClassExW(&windowClass);
}

bool Window::CreateFromLayout(const FormLayout& layout, const wchar_t* className, DWORD style,
                              DWORD exStyle, int left, int top) {
    RegisterClassOnce(className);
    layout_ = &layout;
    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    RECT frame{0, 0, TwipsToPixels(layout.ClientWidth, factor.X),
               TwipsToPixels(layout.ClientHeight, factor.Y)};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const std::wstring caption(layout.Caption);
    HWND hwnd = ::CreateWindowExW(exStyle, className, caption.c_str(), style, left, top,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, ::GetModuleHandleW(nullptr), this);
    if (!hwnd) return false;

    HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    int id = 1;
    for (const ControlLayout& control : layout.Controls) {
        const wchar_t* controlClass = nullptr;
        DWORD controlStyle = WS_CHILD | WS_VISIBLE;
        switch (control.Type) {
        case ControlType::TextBox:
            controlClass = L"EDIT";
            controlStyle |= WS_TABSTOP | ES_AUTOHSCROLL;
            break;
        case ControlType::PictureBox:
            continue;  // held in memory; the window paints the picture itself
        default:
            continue;  // the designs that use them add their own classes
        }
        HWND child = ::CreateWindowExW(WS_EX_CLIENTEDGE, controlClass, std::wstring(control.Caption).c_str(),
                                       controlStyle, TwipsToPixels(control.Left, factor.X),
                                       TwipsToPixels(control.Top, factor.Y),
                                       TwipsToPixels(control.Width, factor.X),
                                       TwipsToPixels(control.Height, factor.Y), hwnd,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        ++id;
    }
    return true;
}

HWND Window::Control(std::wstring_view name) const noexcept {
    if (!layout_) return nullptr;
    int id = 1;
    for (const ControlLayout& control : layout_->Controls) {
        if (control.Type == ControlType::PictureBox) continue;
        if (control.Name == name) return ::GetDlgItem(hwnd(), id);
        ++id;
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
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        // The window is gone; nothing is left to destroy.
        static_cast<void>(self->window_.release());
    }
    return result;
}

WindowTimer::WindowTimer(HWND hwnd, UINT_PTR id, UINT intervalMs) noexcept
    : hwnd_(hwnd), id_(::SetTimer(hwnd, id, intervalMs, nullptr)) {}

void WindowTimer::Stop() noexcept {
    if (id_ != 0 && ::IsWindow(hwnd_)) ::KillTimer(hwnd_, id_);
    id_ = 0;
}

}  // namespace rublet
