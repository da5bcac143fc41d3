#include "recycle_menu/menu_commands.h"

#include "layouts/language.h"
#include "layouts/names.h"
#include "platform/portable/vocabulary.h"

namespace rublet {

void mabout_Click(MenuDesktop& desktop) { desktop.ShowMessage(Text().AboutText, box::Ok, Text().AboutTitle); }

void mopen_Click(MenuDesktop& desktop) {
    desktop.ShellOpen(names::ExplorerVerb, names::ExplorerFile, names::ExplorerParameters, L"", names::ShowNormal);
}

void mempty_Click(MenuDesktop& desktop) {
    desktop.SuspendDropHandling();
    desktop.EmptyRecycleBin();
    desktop.ResumeDropHandling();
}

}  // namespace rublet
