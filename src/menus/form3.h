#pragma once
// Form3: never shown; it owns the two popup menus and runs their commands.

#include <map>
#include <memory>
#include <string>

#include "layouts/layout.h"
#include "platform/system/handles.h"
#include "platform/window/window.h"
#include "settings/settings_store.h"

namespace rublet {

class Form2;

class Form3 final : public Window {
public:
    // Null when the system refused the window.
    [[nodiscard]] static std::unique_ptr<Form3> Create(SettingsStore& store, HWND mainWindow);
    ~Form3() override;

    // Opens a top-level menu of the tree (mfile, mfile2) at the pointer; a
    // chosen command arrives as WM_COMMAND and runs its handler.
    void PopupMenu(MenuItem menu);
    void SetCaption(MenuItem item, const std::wstring& caption);
    // The undo item at the end of mfile2, below a separator; none for "".
    void SetUndo(const std::wstring& caption);
    [[nodiscard]] HMENU Menu(MenuItem menu) const;
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
    Form3(SettingsStore& store, HWND mainWindow) : store_(store), mainWindow_(mainWindow) {}
    void BuildMenus();

    SettingsStore& store_;
    HWND mainWindow_;
    std::map<MenuItem, UniqueMenu> popups_;
    std::map<MenuItem, MenuItem> parentOf_;  // the popup that holds an item
    Form2* openDialog_ = nullptr;  // while moption_Click shows it
};

}  // namespace rublet
