#include "recycle_menu/form3.h"

#include "layouts/form2_layout.h"
#include "layouts/names.h"
#include "options/form2.h"
#include "recycle_menu/recycle_bin.h"

namespace rublet {
namespace {

constexpr UINT FirstItemId = 1000;

}  // namespace

Form3::Form3(SettingsStore& store, HWND mainWindow) : store_(store), mainWindow_(mainWindow) {
    CreateFromLayout(layouts::Form3, names::Form3Class, WS_POPUP, WS_EX_TOOLWINDOW, 0, 0);
    BuildMenus();
}

Form3::~Form3() { Unload(); }

void Form3::BuildMenus() {
    HMENU current = nullptr;
    UINT id = FirstItemId;
    for (const MenuItemLayout& item : layouts::Form3Menus) {
        if (item.Level == 0) {
            current = ::CreatePopupMenu();
            popups_[std::wstring(item.Name)] = UniqueMenu(current);
            continue;
        }
        if (item.Caption == L"-") {
            ::AppendMenuW(current, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        ::AppendMenuW(current, MF_STRING, id, std::wstring(item.Caption).c_str());
        itemIds_[std::wstring(item.Name)] = id++;
    }
}

HMENU Form3::Menu(std::wstring_view menu) const {
    const auto found = popups_.find(menu);
    return found == popups_.end() ? nullptr : found->second.get();
}

void Form3::SetCaption(std::wstring_view item, const std::wstring& caption) {
    const auto found = itemIds_.find(item);
    if (found == itemIds_.end()) return;
    for (const auto& [name, popup] : popups_)
        ::ModifyMenuW(popup.get(), found->second, MF_BYCOMMAND | MF_STRING, found->second, caption.c_str());
}

void Form3::PopupMenu(std::wstring_view menu) {
    HMENU popup = Menu(menu);
    if (!popup || !hwnd()) return;
    POINT pointer{};
    ::GetCursorPos(&pointer);
    // The owner must be the foreground window for the menu to close when
    // the user clicks elsewhere; the null message afterwards lets it finish.
    ::SetForegroundWindow(hwnd());
    ::TrackPopupMenuEx(popup, TPM_RIGHTBUTTON, pointer.x, pointer.y, hwnd(), nullptr);
    ::PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void Form3::Unload() {
    if (openDialog_) openDialog_->Unload();
    if (hwnd()) ::DestroyWindow(hwnd());
}

void Form3::moption_Click() {
    Form2 dialog(store_, mainWindow_);
    openDialog_ = &dialog;
    dialog.Intoform();
    dialog.ShowModal();
    openDialog_ = nullptr;
}

void Form3::mabout_Click() {
    ShellMenuDesktop desktop(mainWindow_, hwnd());
    rublet::mabout_Click(desktop);
}

// Posted, so that the main window's shutdown, which unloads this window,
// runs after this handler has returned.
void Form3::mend_Click() { ::PostMessageW(mainWindow_, WM_CLOSE, 0, 0); }

void Form3::mopen_Click() {
    ShellMenuDesktop desktop(mainWindow_, hwnd());
    rublet::mopen_Click(desktop);
}

void Form3::mempty_Click() {
    ShellMenuDesktop desktop(mainWindow_, hwnd());
    rublet::mempty_Click(desktop);
}

LRESULT Form3::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == 0) {
        const UINT id = LOWORD(wParam);
        const auto is = [&](std::wstring_view name) {
            const auto found = itemIds_.find(name);
            return found != itemIds_.end() && found->second == id;
        };
        if (is(L"moption")) moption_Click();
        else if (is(L"mabout")) mabout_Click();
        else if (is(L"mend")) mend_Click();
        else if (is(L"mopen")) mopen_Click();
        else if (is(L"mempty")) mempty_Click();
        return 0;  // the status line does nothing
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace rublet
