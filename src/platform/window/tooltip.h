#pragma once
// Tooltip controls.

#include <windows.h>

namespace rublet {

// A tooltip control, owned by `owner` and destroyed with it; without an
// owner, whoever holds it destroys it.
[[nodiscard]] HWND CreateTooltip(HWND owner) noexcept;
// Adds a window as a tool: `text` is copied, or LPSTR_TEXTCALLBACKW to ask
// the tool's parent (or the tool itself) with TTN_GETDISPINFOW each time the
// tip shows. TTF_SUBCLASS lets the tooltip watch the mouse itself; without
// it, the window relays its mouse messages (TTM_RELAYEVENT).
void AddTool(HWND tooltip, HWND tool, UINT flags, wchar_t* text) noexcept;

}  // namespace rublet
