#include "menus/form3.h"

#include "layouts/form3_layout.h"
#include "texts/language.h"
#include "layouts/resource_ids.h"
#include "layouts/window_classes.h"
#include "platform/system/environment.h"
#include "platform/window/message_box.h"
#include "recycle_bin/empty_recycle_bin.h"
#include "recycle_bin/open_recycle_bin.h"
#include "settings_dialog/form2.h"

namespace rublet {

Form3::Form3(MenuServices services)
    : services_(std::move(services)),
      menus_(layouts::Form3Menus, TextOf),
      emptying_(services_.Tasks, Apartment::SingleThreaded),
      opening_(services_.Tasks) {}

std::unique_ptr<Form3> Form3::Create(MenuServices services) {
    std::unique_ptr<Form3> form(new Form3(std::move(services)));
    if (!form->CreateFromLayout(layouts::Form3, TextOf, {names::Form3Class, IDI_RUBLET}, WS_POPUP, WS_EX_TOOLWINDOW, 0, 0))
        return nullptr;
    return form;
}

Form3::~Form3() { Unload(); }

void Form3::SetCaption(MenuItem item, const std::wstring& caption) { menus_.SetCaption(item, caption); }

void Form3::SetUndo(const std::optional<RecycledDrop>& drop) {
    offered_ = drop;
    menus_.SetExtra(MenuItem::mfile2, drop ? UndoCaption(drop->Paths.size()) : std::wstring());
}

void Form3::PopupMenu(MenuItem menu) {
    shown_ = menu;
    menus_.Open(menu, hwnd());
    shown_.reset();
}

void Form3::Unload() {
    if (openDialog_) openDialog_->Unload();
    if (hwnd()) ::DestroyWindow(hwnd());
}

// While the dialog is open the bin takes no drop.
void Form3::moption_Click() {
    const std::unique_ptr<Form2> dialog = Form2::Create(services_.Store, services_.MainWindow);
    if (!dialog) return;
    openDialog_ = dialog.get();
    services_.Drops.Hold();
    dialog->Intoform();
    dialog->ShowModal();
    services_.Drops.Release();
    openDialog_ = nullptr;
}

void Form3::mabout_Click() { MsgBox(services_.MainWindow, Text().AboutText, MB_OK, Text().AboutTitle); }

// Posted, so that the main window's shutdown, which unloads this window,
// runs after this handler has returned.
void Form3::mend_Click() { ::PostMessageW(services_.MainWindow, WM_CLOSE, 0, 0); }

// Under Wine the opener is waited for, for seconds: on a worker.
void Form3::mopen_Click() {
    if (!RunsUnderWine()) return OpenRecycleBinInExplorer();
    opening_.Start([](const StopToken&) { return OpenTrashUnderWine(); },
                   [owner = services_.MainWindow](bool opened) {
                       if (!opened) MsgBox(owner, Text().OpenUnavailable, MB_OK | MB_ICONEXCLAMATION, Text().MessageTitle);
                   });
}

// The shell confirms, shows its progress and plays its sound, on a worker,
// in the Recycle Bin's turn. Drops are not collected meanwhile; the drop
// handling is then as it was before.
void Form3::mempty_Click() {
    if (emptying_.Running()) return;
    services_.Drops.Hold();
    const bool started = emptying_.Start([&gate = services_.Gate](const StopToken&) { return EmptyRecycleBin(gate); },
                                         [this](bool emptied) {
                                             services_.Drops.Release();
                                             services_.Emptied(emptied);
                                         });
    if (!started) services_.Drops.Release();
}

void Form3::mundo_Click() {
    if (offered_) services_.TakeBack(*offered_);
}

LRESULT Form3::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND || HIWORD(wParam) != 0) return Window::HandleMessage(message, wParam, lParam);
    if (LOWORD(wParam) == PopupMenus::ExtraCommand) mundo_Click();
    switch (menus_.ItemOf(LOWORD(wParam)).value_or(MenuItem::mtrashstatus)) {
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
