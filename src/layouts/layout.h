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
    int Index = -1;               // element of a control array; -1 for none
};

struct FormLayout {
    std::wstring_view Name;
    std::wstring_view Caption;
    int ClientWidth, ClientHeight;  // twips
    std::span<const ControlLayout> Controls;
};

// Twips to pixels with a screen's twips-per-pixel factor, to the nearest pixel.
[[nodiscard]] constexpr int TwipsToPixels(int twips, float twipsPerPixel) noexcept {
    const float pixels = static_cast<float>(twips) / twipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5f : pixels + 0.5f);
}

// One item of a menu tree: a popup's items follow it, one level deeper.
struct MenuItemLayout {
    std::wstring_view Name;
    std::wstring_view Caption;  // "-" makes a separator
    int Level;                  // 0 for a top-level popup
};

}  // namespace rublet
