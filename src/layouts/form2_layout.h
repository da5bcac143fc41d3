#pragma once
// The settings dialog's design, in tab order.

#include "layouts/layout.h"

namespace rublet::layouts {

using enum ControlName;
using enum ControlType;

inline constexpr ControlLayout Form2Controls[] = {
    {Button, Command2, &Texts::OkCaption, nullptr, 2520, 2160, 975, 255},
    {Button, Command3, &Texts::CancelCaption, nullptr, 3600, 2160, 975, 255},
    {Frame, Frame2, &Texts::Frame2Caption, nullptr, 2400, 0, 2295, 1095},
    {CheckBox, Check4, &Texts::Check4Caption, &Texts::Check4Tooltip, 120, 720, 1335, 255, Frame2},
    {CheckBox, Check2, &Texts::Check2Caption, &Texts::Check2Tooltip, 120, 240, 1455, 255, Frame2},
    {CheckBox, Check3, &Texts::Check3Caption, &Texts::Check3Tooltip, 120, 480, 1455, 255, Frame2},
    {Frame, Frame1, &Texts::Frame1Caption, nullptr, 0, 0, 2295, 1095},
    {OptionButton, Check1, &Texts::RecycleCaption, &Texts::RecycleTooltip, 120, 240, 975, 255, Frame1, 0},
    {OptionButton, Check1, &Texts::DeleteCaption, &Texts::DeleteTooltip, 120, 480, 855, 255, Frame1, 1},
    {TextBox, Text1, nullptr, &Texts::PicturePathTooltip, 120, 1800, 4095, 270},
    {Button, Command1, &Texts::BrowseCaption, nullptr, 4320, 1800, 255, 255},
    {Label, Label1, &Texts::Label1Caption, nullptr, 120, 1560, 1215, 255},
    {CheckBox, Check5, &Texts::Check5Caption, nullptr, 120, 1200, 4455, 255},
};

inline constexpr FormLayout Form2 = {&Texts::Form2Caption, 4695, 2535, Form2Controls};

}  // namespace rublet::layouts
