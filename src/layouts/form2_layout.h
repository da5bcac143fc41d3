#pragma once
// The settings dialog's design, in tab order.

#include "layouts/layout.h"
#include "layouts/texts.h"

namespace rublet::layouts {

using enum ControlName;
using enum ControlType;

inline constexpr ControlLayout Form2Controls[] = {
    {Button, Command2, text::OkCaption, L"", 2520, 2160, 975, 255},
    {Button, Command3, text::CancelCaption, L"", 3600, 2160, 975, 255},
    {Frame, Frame2, text::Frame2Caption, L"", 2400, 0, 2295, 1095},
    {CheckBox, Check4, text::Check4Caption, text::Check4Tooltip, 120, 720, 1335, 255, Frame2},
    {CheckBox, Check2, text::Check2Caption, text::Check2Tooltip, 120, 240, 1455, 255, Frame2},
    {CheckBox, Check3, text::Check3Caption, text::Check3Tooltip, 120, 480, 1455, 255, Frame2},
    {Frame, Frame1, text::Frame1Caption, L"", 0, 0, 2295, 1095},
    {OptionButton, Check1, text::RecycleCaption, text::RecycleTooltip, 120, 240, 975, 255, Frame1, 0},
    {OptionButton, Check1, text::DeleteCaption, text::DeleteTooltip, 120, 480, 855, 255, Frame1, 1},
    {TextBox, Text1, L"", text::PicturePathTooltip, 120, 1800, 4095, 270},
    {Button, Command1, text::BrowseCaption, L"", 4320, 1800, 255, 255},
    {Label, Label1, text::Label1Caption, L"", 120, 1560, 1215, 255},
    {CheckBox, Check5, text::Check5Caption, L"", 120, 1200, 4455, 255},
};

inline constexpr FormLayout Form2 = {text::Form2Caption, 4695, 2535, Form2Controls};

}  // namespace rublet::layouts
