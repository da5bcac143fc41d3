#pragma once
// The settings dialog's design, in tab order.

#include "layouts/layout.h"
#include "layouts/texts.h"

namespace rublet::layouts {

inline constexpr ControlLayout Form2Controls[] = {
    {ControlType::Button, L"Command2", text::OkCaption, L"", 2520, 2160, 975, 255, 0, L""},
    {ControlType::Button, L"Command3", text::CancelCaption, L"", 3600, 2160, 975, 255, 1, L""},
    {ControlType::Frame, L"Frame2", text::Frame2Caption, L"", 2400, 0, 2295, 1095, 2, L""},
    {ControlType::CheckBox, L"Check4", text::Check4Caption, text::Check4Tooltip, 120, 720, 1335, 255, 3, L"Frame2"},
    {ControlType::CheckBox, L"Check2", text::Check2Caption, text::Check2Tooltip, 120, 240, 1455, 255, 4, L"Frame2"},
    {ControlType::CheckBox, L"Check3", text::Check3Caption, text::Check3Tooltip, 120, 480, 1455, 255, 5, L"Frame2"},
    {ControlType::Frame, L"Frame1", text::Frame1Caption, L"", 0, 0, 2295, 1095, 6, L""},
    {ControlType::OptionButton, L"Check1", text::RecycleCaption, text::RecycleTooltip, 120, 240, 975, 255, 7, L"Frame1", 0},
    {ControlType::OptionButton, L"Check1", text::DeleteCaption, text::DeleteTooltip, 120, 480, 855, 255, 8, L"Frame1", 1},
    {ControlType::TextBox, L"Text1", L"", text::PicturePathTooltip, 120, 1800, 4095, 270, 9, L""},
    {ControlType::Button, L"Command1", text::BrowseCaption, L"", 4320, 1800, 255, 255, 10, L""},
    {ControlType::Label, L"Label1", text::Label1Caption, L"", 120, 1560, 1215, 255, 11, L""},
    {ControlType::CheckBox, L"Check5", text::Check5Caption, L"", 120, 1200, 4455, 255, 12, L""},
};

inline constexpr FormLayout Form2 = {L"Form2", text::Form2Caption, 4695, 2535, Form2Controls};

// Form3 is never shown; it only owns the two popup menus.
inline constexpr FormLayout Form3 = {L"Form3", text::Form3Caption, 2475, 1380, {}};

inline constexpr MenuItemLayout Form3Menus[] = {
    {L"mfile", L"FILE", 0},
    {L"moption", text::MenuOption, 1},
    {L"sep1", L"-", 1},
    {L"mabout", text::MenuAbout, 1},
    {L"sep2", L"-", 1},
    {L"mend", text::MenuEnd, 1},
    {L"mfile2", L"Trash", 0},
    {L"mtrashstatus", L"", 1},  // the status line, set at run time
    {L"sep3", L"-", 1},
    {L"mopen", text::MenuOpen, 1},
    {L"mempty", text::MenuEmpty, 1},
};

}  // namespace rublet::layouts
