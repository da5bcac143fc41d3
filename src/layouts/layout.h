#pragma once
// The shape of a window design: controls as data, positions in twips.

#include <span>
#include <string_view>

namespace rublet {

enum class ControlType { PictureBox, TextBox, Button, Frame, CheckBox, OptionButton, Label };

struct ControlLayout {
    ControlType Type;
    std::wstring_view Name;
    std::wstring_view Caption;
    std::wstring_view Tooltip;
    int Left, Top, Width, Height;  // twips, relative to the container
    int TabIndex;
    std::wstring_view Container;  // empty: the window itself
};

struct FormLayout {
    std::wstring_view Name;
    std::wstring_view Caption;
    int ClientWidth, ClientHeight;  // twips
    std::span<const ControlLayout> Controls;
};

}  // namespace rublet
