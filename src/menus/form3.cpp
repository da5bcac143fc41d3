#include "menus/form3.h"

#include <shellapi.h>

#include <thread>

#include "drop/hook.h"
#include "layouts/form3_layout.h"
#include "layouts/language.h"
#include "layouts/window_classes.h"
#include "layouts/window_messages.h"
#include "layouts/resource_ids.h"
#include "platform/system/environment.h"
#include "settings_dialog/form2.h"
#include "platform/window/message_box.h"
#include "undo/open_trash.h"

namespace rublet {
namespace {

// An item's command identifier follows from its place in the tree.
constexpr UINT FirstItemId = 1000;
constexpr UINT CommandOf(MenuItem item) { return FirstItemId + static_cast<UINT>(item); }
// Not among the design's items: added at the end, so that theirs keep their places.
constexpr UINT UndoItemId = 2000;

// Explorer rooted at the Recycle Bin folder.
constexpr wchar_t ExplorerVerb[] = L"Open";
constexpr wchar_t ExplorerFile[] = L"explorer.exe";
constexpr wchar_t ExplorerParameters[] = L"/root,::{645FF040-5081-101B-9F08-00AA002F954E}";

}  // namespace

std::unique_ptr<Form3> Form3::Create(SettingsStore& store, HWND mainWindow) {
    std::unique_ptr<Form3> form(new Form3(store, mainWindow));
    if (!form->CreateFromLayout(layouts::Form3, TextOf, {names::Form3Class, IDI_RUBLET}, WS_POPUP, WS_EX_TOOLWINDOW, 0, 0))
        return nullptr;
    form->BuildMenus();
    return form;
}

Form3::~Form3() { Unload(); }

void Form3::BuildMenus() {
    MenuItem popup = MenuItem::mfile;
    for (const MenuItemLayout& entry : layouts::Form3Menus) {
        if (entry.Level == 0) {
            popup = entry.Item;
            popups_[popup] = UniqueMenu(::CreatePopupMenu());
            continue;
        }
        parentOf_[entry.Item] = popup;
        if (!entry.Caption)
            ::AppendMenuW(Menu(popup), MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuW(Menu(popup), MF_STRING, CommandOf(entry.Item), std::wstring(TextOf(entry.Caption)).c_str());
    }
}

HMENU Form3::Menu(MenuItem menu) const {
    const auto found = popups_.find(menu);
    return found == popups_.end() ? nullptr : found->second.get();
}

void Form3::SetCaption(MenuItem item, const std::wstring& caption) {
    const auto parent = parentOf_.find(item);
    if (parent == parentOf_.end()) return;
    ::ModifyMenuW(Menu(parent->second), CommandOf(item), MF_BYCOMMAND | MF_STRING, CommandOf(item),
                  caption.c_str());
}

void Form3::SetUndo(const std::wstring& caption) {
    HMENU menu = Menu(MenuItem::mfile2);
    const int count = ::GetMenuItemCount(menu);
    if (::GetMenuItemID(menu, count - 1) == UndoItemId) {
        ::DeleteMenu(menu, count - 1, MF_BYPOSITION);
        ::DeleteMenu(menu, count - 2, MF_BYPOSITION);  // its separator
    }
    if (caption.empty()) return;
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, UndoItemId, caption.c_str());
}

void Form3::PopupMenu(MenuItem menu) {
    HMENU popup = Menu(menu);
    if (!popup) return;
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
    const std::unique_ptr<Form2> dialog = Form2::Create(store_, mainWindow_);
    if (!dialog) return;
    openDialog_ = dialog.get();
    dialog->Intoform();
    dialog->ShowModal();
    openDialog_ = nullptr;
}

void Form3::mabout_Click() { MsgBox(mainWindow_, Text().AboutText, MB_OK, Text().AboutTitle); }

// Posted, so that the main window's shutdown, which unloads this window,
// runs after this handler has returned.
void Form3::mend_Click() { ::PostMessageW(mainWindow_, WM_CLOSE, 0, 0); }

// Wine's Explorer shows no window for the Recycle Bin.
void Form3::mopen_Click() {
    if (RunsUnderWine()) {
        // The opener is waited for, for seconds: away from the window's thread.
        std::thread([owner = mainWindow_] {
            if (!OpenTrashUnderWine()) MsgBox(owner, Text().OpenUnavailable, MB_OK | MB_ICONEXCLAMATION, Text().MessageTitle);
        }).detach();
        return;
    }
    ::ShellExecuteW(nullptr, ExplorerVerb, ExplorerFile, ExplorerParameters, L"", SW_SHOWNORMAL);
}

// The shell confirms, shows its progress and plays its sound. Whatever it
// did, drops work again afterwards; a drop collected before the command is
// discarded.
void Form3::mempty_Click() {
    SuspendDropHandling(mainWindow_);
    const HRESULT emptied = ::SHEmptyRecycleBinW(hwnd(), L"", 0);
    ResumeDropHandling(mainWindow_);
    if (emptied == S_OK) ::PostMessageW(mainWindow_, names::RecycleBinEmptiedMessage, 0, 0);
    ::PostMessageW(mainWindow_, names::RecycleBinChangedMessage, 0, 0);
}

LRESULT Form3::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND || HIWORD(wParam) != 0) return Window::HandleMessage(message, wParam, lParam);
    if (LOWORD(wParam) == UndoItemId) ::PostMessageW(mainWindow_, names::UndoMessage, 0, 0);
    switch (static_cast<MenuItem>(LOWORD(wParam) - FirstItemId)) {
    case MenuItem::moption: moption_Click(); break;
    case MenuItem::mabout: mabout_Click(); break;
    case MenuItem::mend: mend_Click(); break;
    case MenuItem::mopen: mopen_Click(); break;
    case MenuItem::mempty: mempty_Click(); break;
    default: break;  // the status line does nothing
    }
    return 0;
}

}  // namespace rublet
