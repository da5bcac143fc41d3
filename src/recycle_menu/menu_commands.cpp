#include "recycle_menu/menu_commands.h"

#include "drop/drop_processing.h"
#include "layouts/texts.h"

namespace rublet {

void mabout_Click(MenuDesktop& desktop) { desktop.ShowMessage(text::AboutText, box::Ok, text::AboutTitle); }

void mopen_Click(MenuDesktop& desktop) {
    desktop.ShellOpen(ExplorerVerb, ExplorerFile, ExplorerParameters, L"", ShowNormal);
}

void mempty_Click(MenuDesktop& desktop) {
    desktop.UnhookWindow();
    desktop.EmptyRecycleBin();
    DropPending = 0;
    desktop.DragAcceptFiles();
    desktop.HookWindow();
}

}  // namespace rublet
