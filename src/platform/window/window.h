#pragma once
// The window object each form derives from: bound to its HWND from
// WM_NCCREATE to WM_NCDESTROY, it hands messages to its named handlers.

#include <windows.h>

#include "layouts/layout.h"
#include "platform/system/handles.h"
#include "platform/window/screen.h"

namespace rublet {

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
    // The two steps of CreateFromLayout, for a window that shows before
    // its controls are made.
    bool CreateWindowFromLayout(const FormLayout& layout, const wchar_t* className, DWORD style,
                                DWORD exStyle, int left, int top, TwipsPerPixel factor = ScreenTwipsPerPixel());
    void CreateLayoutControls(TwipsPerPixel factor = ScreenTwipsPerPixel());

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void RegisterClassOnce(const wchar_t* className);

    UniqueWindow window_;
    const FormLayout* layout_ = nullptr;
};

}  // namespace rublet
