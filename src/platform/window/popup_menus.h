#pragma once
// Popup menus made from a layout's menu tree: each top-level item a popup,
// its items below it, each item's command identifier its place in the tree.

#include <windows.h>

#include <map>
#include <optional>
#include <span>
#include <string>

#include "layouts/layout.h"
#include "platform/system/handles.h"
#include "platform/window/form_controls.h"

namespace rublet {

class PopupMenus {
public:
    PopupMenus(std::span<const MenuItemLayout> tree, LayoutTexts texts);

    [[nodiscard]] HMENU Menu(MenuItem popup) const noexcept;
    // Also while the menu is open, which then shows it.
    void SetCaption(MenuItem item, const std::wstring& caption);
    // One more item at the end of a popup, below a separator, that is none
    // of the tree's; none for "". Its command is ExtraCommand.
    void SetExtra(MenuItem popup, const std::wstring& caption);
    // Opens a popup at the pointer, owned by `owner`, which gets the chosen
    // command as WM_COMMAND; returns when the menu has closed.
    void Open(MenuItem popup, HWND owner) const;
    // The item that a WM_COMMAND's identifier names, if any of the tree's.
    [[nodiscard]] std::optional<MenuItem> ItemOf(WORD command) const noexcept;

    static constexpr WORD ExtraCommand = 2000;

private:
    std::map<MenuItem, UniqueMenu> popups_;
    std::map<MenuItem, MenuItem> parentOf_;  // the popup that holds an item
};

}  // namespace rublet
