#pragma once
// Form3: never shown; it owns the two popup menus and runs their commands.

#include <map>
#include <string>

#include "platform/handles.h"
#include "platform/settings_store.h"
#include "platform/window_runtime.h"

namespace rublet {

class Form2;

class Form3 final : public Window {
public:
    Form3(SettingsStore& store, HWND mainWindow);
    ~Form3() override;

    // Opens a top-level menu of the tree ("mfile", "mfile2") at the pointer;
    // a chosen command arrives as WM_COMMAND and runs its handler.
    void PopupMenu(std::wstring_view menu);
    void SetCaption(std::wstring_view item, const std::wstring& caption);
    [[nodiscard]] HMENU Menu(std::wstring_view menu) const;
    // Unloads the settings dialog if it is open, then this window.
    void Unload();

    void moption_Click();
    void mabout_Click();
    void mend_Click();
    void mopen_Click();
    void mempty_Click();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BuildMenus();

    SettingsStore& store_;
    HWND mainWindow_;
    std::map<std::wstring, UniqueMenu, std::less<>> popups_;
    std::map<std::wstring, UINT, std::less<>> itemIds_;
    Form2* openDialog_ = nullptr;  // while moption_Click shows it
};

}  // namespace rublet
