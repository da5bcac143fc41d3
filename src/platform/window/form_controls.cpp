#include "platform/window/form_controls.h"

#include <commctrl.h>

#include <string>

#include "platform/window/common_controls.h"
#include "platform/window/tooltip.h"

namespace rublet {
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

}  // namespace

void CreateControls(HWND window, const FormLayout& layout, LayoutTexts texts, TwipsPerPixel factor) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HWND tooltips = nullptr;  // owned by the window, destroyed with it
    bool previousWasOption = false;
    for (std::size_t i = 0; i < layout.Controls.size(); ++i) {
        const ControlLayout& control = layout.Controls[i];
        const ControlClass controlClass = ClassOf(control.Type);
        if (!controlClass.name) continue;
        LoadCommonControls();
        const bool isOption = control.Type == ControlType::OptionButton;
        // Option buttons in a row form one exclusive group; anything else starts a new one.
        const DWORD group = isOption && previousWasOption ? 0 : WS_GROUP;
        previousWasOption = isOption;
        const POINT origin = OriginInClient(layout, control);
        HWND child = ::CreateWindowExW(
            controlClass.exStyle, controlClass.name, std::wstring(texts(control.Caption)).c_str(),
            WS_CHILD | WS_VISIBLE | group | controlClass.style, TwipsToPixels(origin.x, factor.X),
            TwipsToPixels(origin.y, factor.Y), TwipsToPixels(control.Width, factor.X),
            TwipsToPixels(control.Height, factor.Y), window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(i))), instance, nullptr);
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (!control.Tooltip) continue;
        if (!tooltips) tooltips = CreateTooltip(window);
        std::wstring tip(texts(control.Tooltip));
        AddTool(tooltips, child, TTF_SUBCLASS, tip.data());
    }
}

}  // namespace rublet
