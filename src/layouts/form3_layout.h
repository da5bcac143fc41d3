#pragma once
// The menu host's design: never shown, it only owns the two popup menus.

#include "layouts/layout.h"
#include "layouts/texts.h"

namespace rublet::layouts {

inline constexpr FormLayout Form3 = {text::Form3Caption, 2475, 1380, {}};

inline constexpr MenuItemLayout Form3Menus[] = {
    {MenuItem::mfile, L"FILE", 0},
    {MenuItem::moption, text::MenuOption, 1},
    {MenuItem::sep1, L"-", 1},
    {MenuItem::mabout, text::MenuAbout, 1},
    {MenuItem::sep2, L"-", 1},
    {MenuItem::mend, text::MenuEnd, 1},
    {MenuItem::mfile2, L"Trash", 0},
    {MenuItem::mtrashstatus, L"", 1},  // the status line, set at run time
    {MenuItem::sep3, L"-", 1},
    {MenuItem::mopen, text::MenuOpen, 1},
    {MenuItem::mempty, text::MenuEmpty, 1},
};

}  // namespace rublet::layouts
