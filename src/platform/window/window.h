#pragma once
// The window object each form derives from: bound to its HWND from
// WM_NCCREATE to WM_NCDESTROY, it hands messages to its named handlers.

#include <windows.h>

#include "layouts/layout.h"
#include "platform/system/handles.h"
#include "platform/window/form_controls.h"
#include "platform/window/screen.h"

namespace rublet {

// A form's window class, registered with its first window.
struct WindowClass {
    const wchar_t* Name;
    // The program's icon resource, for the caption and the task switcher.
    int IconId;
};

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
    // twips turned into pixels by `factor`, the layout's texts given by
    // `texts`; false when the system refused.
    bool CreateFromLayout(const FormLayout& layout, LayoutTexts texts, const WindowClass& windowClass, DWORD style,
                          DWORD exStyle, int left, int top, TwipsPerPixel factor = ScreenTwipsPerPixel());
    // The two steps of CreateFromLayout, for a window that shows before
    // its controls are made.
    bool CreateWindowFromLayout(const FormLayout& layout, LayoutTexts texts, const WindowClass& windowClass,
                                DWORD style, DWORD exStyle, int left, int top,
                                TwipsPerPixel factor = ScreenTwipsPerPixel());
    void CreateLayoutControls(TwipsPerPixel factor = ScreenTwipsPerPixel());

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void RegisterClassOnce(const WindowClass& windowClass);

    UniqueWindow window_;
    const FormLayout* layout_ = nullptr;
    LayoutTexts texts_ = nullptr;
};

}  // namespace rublet
