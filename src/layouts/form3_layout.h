#pragma once
// The menu host's design: never shown, it only owns the two popup menus.

#include "layouts/layout.h"

namespace rublet::layouts {

inline constexpr FormLayout Form3 = {&Texts::Form3Caption, 2475, 1380, {}};

inline constexpr MenuItemLayout Form3Menus[] = {
    {MenuItem::mfile, nullptr, 0},
    {MenuItem::moption, &Texts::MenuOption, 1},
    {MenuItem::sep1, nullptr, 1},
    {MenuItem::mabout, &Texts::MenuAbout, 1},
    {MenuItem::sep2, nullptr, 1},
    {MenuItem::mend, &Texts::MenuEnd, 1},
    {MenuItem::mfile2, nullptr, 0},
    {MenuItem::mtrashstatus, &Texts::TrashEmpty, 1},  // the status line, set at run time
    {MenuItem::sep3, nullptr, 1},
    {MenuItem::mopen, &Texts::MenuOpen, 1},
    {MenuItem::mempty, &Texts::MenuEmpty, 1},
};

}  // namespace rublet::layouts
