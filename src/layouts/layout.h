#pragma once
// The shape of a window design: controls as data, positions in twips.

#include <span>
#include <string_view>

#include "texts/language.h"

namespace rublet {

enum class ControlType { PictureBox, TextBox, Button, Frame, CheckBox, OptionButton, Label };

// The controls of the designs by their names; a misspelt name does not compile.
enum class ControlName {
    None,  // as a container: the window itself
    Picture1, Text1, Command1, Command2, Command3, Frame1, Frame2, Check1, Check2, Check3, Check4, Check5, Label1,
};

struct ControlLayout {
    ControlType Type;
    ControlName Name;
    TextId Caption;  // texts of the language in use; null for none
    TextId Tooltip;
    int Left, Top, Width, Height;  // twips, relative to the container
    ControlName Container = ControlName::None;
    int Index = -1;  // element of a control array; -1 for none
};

struct FormLayout {
    TextId Caption;
    int ClientWidth, ClientHeight;  // twips
    std::span<const ControlLayout> Controls;
};

// The items of Form3's menu tree by their names; a misspelt name does not compile.
enum class MenuItem { mfile, moption, sep1, mabout, sep2, mend, mfile2, mtrashstatus, sep3, mopen, mempty };

// One item of a menu tree: a popup's items follow it, one level deeper.
struct MenuItemLayout {
    MenuItem Item;
    TextId Caption;  // null: a separator, or a popup, whose name is never shown
    int Level;                  // 0 for a top-level popup
};

}  // namespace rublet
