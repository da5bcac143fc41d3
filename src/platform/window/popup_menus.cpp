#include "platform/window/popup_menus.h"

#include <string_view>

namespace rublet {
namespace {

constexpr WORD FirstItemCommand = 1000;
constexpr WORD CommandOf(MenuItem item) { return static_cast<WORD>(FirstItemCommand + static_cast<WORD>(item)); }

// An open popup menu of this thread draws its items anew.
BOOL CALLBACK RedrawIfMenu(HWND window, LPARAM) {
    wchar_t name[8] = {};
    if (::GetClassNameW(window, name, 8) && std::wstring_view(name) == L"#32768") ::InvalidateRect(window, nullptr, TRUE);
    return TRUE;
}

}  // namespace

PopupMenus::PopupMenus(std::span<const MenuItemLayout> tree, LayoutTexts texts) {
    MenuItem popup = tree.empty() ? MenuItem{} : tree.front().Item;
    for (const MenuItemLayout& entry : tree) {
        if (entry.Level == 0) {
            popup = entry.Item;
            popups_[popup] = UniqueMenu(::CreatePopupMenu());
            continue;
        }
        parentOf_[entry.Item] = popup;
        if (!entry.Caption)
            ::AppendMenuW(Menu(popup), MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuW(Menu(popup), MF_STRING, CommandOf(entry.Item), std::wstring(texts(entry.Caption)).c_str());
    }
}

HMENU PopupMenus::Menu(MenuItem popup) const noexcept {
    const auto found = popups_.find(popup);
    return found == popups_.end() ? nullptr : found->second.get();
}

void PopupMenus::SetCaption(MenuItem item, const std::wstring& caption) {
    const auto parent = parentOf_.find(item);
    if (parent == parentOf_.end()) return;
    ::ModifyMenuW(Menu(parent->second), CommandOf(item), MF_BYCOMMAND | MF_STRING, CommandOf(item), caption.c_str());
    ::EnumThreadWindows(::GetCurrentThreadId(), &RedrawIfMenu, 0);
}

void PopupMenus::SetExtra(MenuItem popup, const std::wstring& caption) {
    HMENU menu = Menu(popup);
    const int count = ::GetMenuItemCount(menu);
    if (count >= 2 && ::GetMenuItemID(menu, count - 1) == ExtraCommand) {
        ::DeleteMenu(menu, count - 1, MF_BYPOSITION);
        ::DeleteMenu(menu, count - 2, MF_BYPOSITION);  // its separator
    }
    if (caption.empty()) return;
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, ExtraCommand, caption.c_str());
}

void PopupMenus::Open(MenuItem popup, HWND owner) const {
    HMENU menu = Menu(popup);
    if (!menu) return;
    POINT pointer{};
    ::GetCursorPos(&pointer);
    // The owner must be the foreground window for the menu to close when
    // the user clicks elsewhere; the null message afterwards lets it finish.
    ::SetForegroundWindow(owner);
    ::TrackPopupMenuEx(menu, TPM_RIGHTBUTTON, pointer.x, pointer.y, owner, nullptr);
    ::PostMessageW(owner, WM_NULL, 0, 0);
}

std::optional<MenuItem> PopupMenus::ItemOf(WORD command) const noexcept {
    if (command < FirstItemCommand) return std::nullopt;
    const auto item = static_cast<MenuItem>(command - FirstItemCommand);
    return parentOf_.count(item) ? std::optional(item) : std::nullopt;
}

}  // namespace rublet
