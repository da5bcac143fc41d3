#pragma once
// The little window runtime the forms stand on.

#include <windows.h>

#include <string>
#include <string_view>

#include "drop/drop_processing.h"
#include "layouts/layout.h"
#include "main_window/settings.h"
#include "platform/handles.h"

namespace rublet {

struct TwipsPerPixel {
    float X = 15;
    float Y = 15;
};

[[nodiscard]] TwipsPerPixel ScreenTwipsPerPixel() noexcept;
[[nodiscard]] ScreenTwips ScreenSizeInTwips() noexcept;

// The folder of the program file (see DirectoryOfModule).
[[nodiscard]] std::wstring ProgramDirectory();

// The child-window identifier of the layout table's entry `tableIndex`.
[[nodiscard]] int ControlId(std::size_t tableIndex) noexcept;

int MsgBox(HWND owner, std::wstring_view text, UINT style, std::wstring_view title);

// The application-wide mouse pointer: the hourglass over every window of
// the program while set, until set back to the default.
void SetAppMousePointer(MousePointer pointer) noexcept;
// For WM_SETCURSOR: true when the application's pointer was set.
bool ApplyAppMousePointer() noexcept;

// A window object bound to its HWND from WM_NCCREATE to WM_NCDESTROY; each
// form derives from it and hands messages to its named handlers.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    [[nodiscard]] HWND hwnd() const noexcept { return window_.get(); }

protected:
    // Creates the window with the layout's client size and its controls,
    // twips turned into pixels by `factor`; false when the system refused.
    bool CreateFromLayout(const FormLayout& layout, const wchar_t* className, DWORD style,
                          DWORD exStyle, int left, int top, TwipsPerPixel factor = ScreenTwipsPerPixel());

public:
    // A control of the layout by name (and index, for a control array).
    [[nodiscard]] HWND Control(std::wstring_view name, int index = -1) const noexcept;

protected:

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
