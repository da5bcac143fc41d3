#include "platform/window_runtime.h"

#include <commctrl.h>

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

namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM found) {
    reinterpret_cast<std::vector<RECT>*>(found)->push_back(*rect);
    return TRUE;
}

}  // namespace

std::vector<TwipsRect> MonitorsInTwips() {
    std::vector<RECT> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    std::vector<TwipsRect> twips;
    for (const RECT& r : monitors)
        twips.push_back({static_cast<float>(r.left) * factor.X, static_cast<float>(r.top) * factor.Y,
                         static_cast<float>(r.right) * factor.X, static_cast<float>(r.bottom) * factor.Y});
    return twips;
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

void SetAlwaysOnTop(HWND hwnd, bool onTop) noexcept {
    // Only the z-order changes: no activation, which would raise the
    // window again on some systems (Wine). Windows ends a topmost state on
    // the move to the bottom; Wine does not, so it is ended first.
    constexpr UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
    if (!onTop && (::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST))
        ::SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    ::SetWindowPos(hwnd, onTop ? HWND_TOPMOST : HWND_BOTTOM, 0, 0, 0, 0, flags);
}

void ShowInZOrder(HWND hwnd, bool onTop) noexcept {
    // Showing a window raises it on some systems (Wine), even one put at
    // the bottom: shown without activation, in its place.
    ::SetWindowPos(hwnd, onTop ? HWND_TOPMOST : HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Window::RegisterClassOnce(const wchar_t* className) {
    static const bool commonControls = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return ::InitCommonControlsEx(&classes) != FALSE;
    }();
    static_cast<void>(commonControls);
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

namespace {

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(ControlType type) {
    switch (type) {
    case ControlType::TextBox:
        return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlType::Button:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlType::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlType::CheckBox:
        // Three states, set by the program; a click toggles on and off only.
        return {L"BUTTON", WS_TABSTOP | BS_3STATE, 0};
    case ControlType::OptionButton:
        return {L"BUTTON", WS_TABSTOP | BS_AUTORADIOBUTTON, 0};
    case ControlType::Label:
        return {L"STATIC", SS_LEFT, 0};
    case ControlType::PictureBox:
        break;
    }
    return {nullptr, 0, 0};
}

// Left and top of a control in the client area, through its frame.
POINT OriginInClient(const FormLayout& layout, const ControlLayout& control) {
    POINT origin{control.Left, control.Top};
    for (const ControlLayout& frame : layout.Controls)
        if (control.Container != ControlName::None && frame.Name == control.Container) {
            origin.x += frame.Left;
            origin.y += frame.Top;
        }
    return origin;
}

// The child-window identifier of the layout table's entry `tableIndex`.
int ControlId(std::size_t tableIndex) noexcept { return 100 + static_cast<int>(tableIndex); }

}  // namespace

bool Window::CreateFromLayout(const FormLayout& layout, const wchar_t* className, DWORD style,
                              DWORD exStyle, int left, int top, TwipsPerPixel factor) {
    RegisterClassOnce(className);
    layout_ = &layout;
    RECT frame{0, 0, TwipsToPixels(layout.ClientWidth, factor.X),
               TwipsToPixels(layout.ClientHeight, factor.Y)};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const std::wstring caption(layout.Caption);
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HWND hwnd = ::CreateWindowExW(exStyle, className, caption.c_str(), style, left, top,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, instance, this);
    if (!hwnd) return false;

    HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HWND tooltips = nullptr;  // owned by the window, destroyed with it
    bool previousWasOption = false;
    for (std::size_t i = 0; i < layout.Controls.size(); ++i) {
        const ControlLayout& control = layout.Controls[i];
        const ControlClass controlClass = ClassOf(control.Type);
        if (!controlClass.name) continue;  // a picture box is held in memory and painted by its window
        const bool isOption = control.Type == ControlType::OptionButton;
        // Option buttons in a row form one exclusive group; anything else starts a new one.
        const DWORD group = isOption && previousWasOption ? 0 : WS_GROUP;
        previousWasOption = isOption;
        const POINT origin = OriginInClient(layout, control);
        HWND child = ::CreateWindowExW(
            controlClass.exStyle, controlClass.name, std::wstring(control.Caption).c_str(),
            WS_CHILD | WS_VISIBLE | group | controlClass.style, TwipsToPixels(origin.x, factor.X),
            TwipsToPixels(origin.y, factor.Y), TwipsToPixels(control.Width, factor.X),
            TwipsToPixels(control.Height, factor.Y), hwnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(i))), instance, nullptr);
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (control.Tooltip.empty()) continue;
        if (!tooltips) tooltips = CreateTooltip(hwnd);
        std::wstring tip(control.Tooltip);
        AddTool(tooltips, child, TTF_SUBCLASS, tip.data());
    }
    return true;
}

HWND CreateTooltip(HWND owner) noexcept {
    return ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

void AddTool(HWND tooltip, HWND tool, UINT flags, wchar_t* text) noexcept {
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | flags;
    info.hwnd = ::GetParent(tool) ? ::GetParent(tool) : tool;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    ::SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
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
