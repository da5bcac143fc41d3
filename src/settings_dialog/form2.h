#pragma once
// Form2: the settings dialog, filled from Settings by Intoform, saved by OK.

#include <memory>

#include "platform/window/window.h"
#include "settings/settings_store.h"

namespace rublet {

class Form2 final : public Window {
public:
    // `mainWindow` is Form1, whose z-order OK applies and which the dialog
    // is modal to. The layout converts with `factor`. Null when the system
    // refused the window.
    [[nodiscard]] static std::unique_ptr<Form2> Create(SettingsStore& store, HWND mainWindow,
                                                       TwipsPerPixel factor = ScreenTwipsPerPixel());
    ~Form2() override;

    void Intoform();
    // Shows the dialog modal to the main window; returns once it is unloaded,
    // the main window enabled again only if it was before.
    void ShowModal();
    void Unload();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Form2(SettingsStore& store, HWND mainWindow) : store_(store), mainWindow_(mainWindow) {}

    [[nodiscard]] std::wstring Text1() const;
    void SetText1(const std::wstring& text);
    [[nodiscard]] std::int16_t CheckValue(ControlName name) const;
    void SetCheckValue(ControlName name, std::int16_t value);
    void OnCommand(HWND control, WORD notification);

    SettingsStore& store_;
    HWND mainWindow_;
    bool mainWasEnabled_ = false;  // while the dialog shows
};

}  // namespace rublet
