#include "platform/window/tooltip.h"

#include <commctrl.h>

#include "platform/window/common_controls.h"

namespace rublet {

HWND CreateTooltip(HWND owner) noexcept {
    LoadCommonControls();
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

void WindowTooltip::Create(HWND window, std::function<std::wstring()> text) {
    source_ = std::move(text);
    tooltip_.reset(CreateTooltip(nullptr));
    AddTool(tooltip_.get(), window, 0, LPSTR_TEXTCALLBACKW);
}

void WindowTooltip::Pop() const noexcept {
    if (tooltip_) ::SendMessageW(tooltip_.get(), TTM_POP, 0, 0);
}

void WindowTooltip::RelayMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!tooltip_) return;
    MSG relayed{window, message, wParam, lParam, 0, {}};
    ::SendMessageW(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

LRESULT WindowTooltip::AnswerNotify(LPARAM lParam) {
    if (!tooltip_ || reinterpret_cast<const NMHDR*>(lParam)->code != TTN_GETDISPINFOW) return 0;
    text_ = source_();
    reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = text_.data();
    return 0;
}

}  // namespace rublet
