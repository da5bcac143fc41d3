#pragma once
// Tooltip controls.

#include <windows.h>

#include <functional>
#include <string>

#include "platform/system/handles.h"

namespace rublet {

// A tooltip control, owned by `owner` and destroyed with it; without an
// owner, whoever holds it destroys it.
[[nodiscard]] HWND CreateTooltip(HWND owner) noexcept;
// Adds a window as a tool: `text` is copied, or LPSTR_TEXTCALLBACKW to ask
// the tool's parent (or the tool itself) with TTN_GETDISPINFOW each time the
// tip shows. TTF_SUBCLASS lets the tooltip watch the mouse itself; without
// it, the window relays its mouse messages (TTM_RELAYEVENT).
void AddTool(HWND tooltip, HWND tool, UINT flags, wchar_t* text) noexcept;

// A tooltip over a whole window, with a text asked for each time it shows.
// Not owned by the window: Wine puts a window with an owned popup below
// that popup rather than among the topmost windows.
class WindowTooltip {
public:
    void Create(HWND window, std::function<std::wstring()> text);
    void Destroy() noexcept { tooltip_.reset(); }
    // Hides a tip on show, whose text is out of date.
    void Pop() const noexcept;
    // The window's mouse messages, relayed to the tooltip.
    void RelayMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
    // The window's WM_NOTIFY: the tooltip's question for its text, answered.
    LRESULT AnswerNotify(LPARAM lParam);

private:
    UniqueWindow tooltip_;
    std::function<std::wstring()> source_;
    std::wstring text_;  // kept while the tip shows it
};

}  // namespace rublet
