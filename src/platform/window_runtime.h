#pragma once
// The little window runtime the forms stand on.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "layouts/layout.h"
#include "platform/handles.h"
#include "platform/vocabulary.h"

namespace rublet {

struct TwipsPerPixel {
    float X = 15;
    float Y = 15;
};

[[nodiscard]] TwipsPerPixel ScreenTwipsPerPixel() noexcept;
[[nodiscard]] ScreenTwips ScreenSizeInTwips() noexcept;
// Every monitor's rectangle, in the same twips.
[[nodiscard]] std::vector<TwipsRect> MonitorsInTwips();

// The folder of the program file (see DirectoryOfModule).
[[nodiscard]] std::wstring ProgramDirectory();

int MsgBox(HWND owner, std::wstring_view text, UINT style, std::wstring_view title);

// The application-wide mouse pointer: the hourglass over every window of
// the program while set, until set back to the default.
void SetAppMousePointer(MousePointer pointer) noexcept;
// For WM_SETCURSOR: true when the application's pointer was set.
bool ApplyAppMousePointer() noexcept;

// Above every other window, or beneath them all at the bottom of the
// z-order and no longer topmost; position and size stay.
void SetAlwaysOnTop(HWND hwnd, bool onTop) noexcept;
// Shows a hidden window in that place of the z-order.
void ShowInZOrder(HWND hwnd, bool onTop) noexcept;

// A tooltip control, owned by `owner` and destroyed with it; without an
// owner, whoever holds it destroys it.
[[nodiscard]] HWND CreateTooltip(HWND owner) noexcept;
// Adds a window as a tool: `text` is copied, or LPSTR_TEXTCALLBACKW to ask
// the tool's parent (or the tool itself) with TTN_GETDISPINFOW each time the
// tip shows. TTF_SUBCLASS lets the tooltip watch the mouse itself; without
// it, the window relays its mouse messages (TTM_RELAYEVENT).
void AddTool(HWND tooltip, HWND tool, UINT flags, wchar_t* text) noexcept;

// A window object bound to its HWND from WM_NCCREATE to WM_NCDESTROY; each
// form derives from it and hands messages to its named handlers.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    [[nodiscard]] HWND hwnd() const noexcept { return window_.get(); }
    // A control of the layout by name (and index, for a control array).
    [[nodiscard]] HWND Control(ControlName name, int index = -1) const noexcept;

protected:
    // Creates the window with the layout's client size and its controls,
    // twips turned into pixels by `factor`; false when the system refused.
    bool CreateFromLayout(const FormLayout& layout, const wchar_t* className, DWORD style,
                          DWORD exStyle, int left, int top, TwipsPerPixel factor = ScreenTwipsPerPixel());

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void RegisterClassOnce(const wchar_t* className);

    UniqueWindow window_;
    const FormLayout* layout_ = nullptr;
};

// A timer of a window, stopped when the owner goes.
class WindowTimer {
public:
    WindowTimer() = default;
    WindowTimer(HWND hwnd, UINT_PTR id, UINT intervalMs) noexcept;
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer() { Stop(); }
    void Stop() noexcept;

private:
    HWND hwnd_ = nullptr;
    UINT_PTR id_ = 0;
};

}  // namespace rublet
