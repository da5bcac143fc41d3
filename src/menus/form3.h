#pragma once
// Form3: never shown; it owns the two popup menus and runs their commands.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "drop/drop_handling.h"
#include "layouts/layout.h"
#include "platform/window/background_job.h"
#include "platform/window/popup_menus.h"
#include "platform/window/ui_tasks.h"
#include "platform/window/window.h"
#include "recycle_bin/recycle_bin_gate.h"
#include "settings/settings_store.h"
#include "undo/drop_undo.h"

namespace rublet {

class Form2;

// What the menus' commands reach beyond the menus.
struct MenuServices {
    SettingsStore& Store;
    HWND MainWindow;
    UiTasks& Tasks;
    RecycleBinGate& Gate;
    DropHandling& Drops;
    // On the window's thread after an emptying: whether the shell emptied.
    std::function<void(bool emptied)> Emptied;
    // The undo item chosen, with the drop it named.
    std::function<void(const RecycledDrop&)> TakeBack;
};

class Form3 final : public Window {
public:
    // Null when the system refused the window.
    [[nodiscard]] static std::unique_ptr<Form3> Create(MenuServices services);
    // Waits for an emptying or an opening under way.
    ~Form3() override;

    // Opens a top-level menu of the tree (mfile, mfile2) at the pointer; a
    // chosen command runs its handler. Returns when the menu has closed.
    void PopupMenu(MenuItem menu);
    void SetCaption(MenuItem item, const std::wstring& caption);
    // The undo item at the end of mfile2, naming `drop`; none for nothing.
    void SetUndo(const std::optional<RecycledDrop>& drop);
    [[nodiscard]] bool ShowsMenu(MenuItem menu) const noexcept { return shown_ == menu; }
    // Unloads the settings dialog if it is open, then this window.
    void Unload();

    void moption_Click();
    void mabout_Click();
    void mend_Click();
    void mopen_Click();
    void mempty_Click();
    // Not among the design's items: the undo at the end of mfile2.
    void mundo_Click();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    explicit Form3(MenuServices services);

    MenuServices services_;
    PopupMenus menus_;
    std::optional<MenuItem> shown_;        // while a menu is open
    std::optional<RecycledDrop> offered_;  // the drop the undo item names
    Form2* openDialog_ = nullptr;          // while moption_Click shows it
    BackgroundJob emptying_;               // in an apartment for the shell's windows
    BackgroundJob opening_;
};

}  // namespace rublet
