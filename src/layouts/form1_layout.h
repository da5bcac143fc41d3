#pragma once
// The main window's design.

#include "layouts/layout.h"

namespace rublet::layouts {

inline constexpr unsigned Timer2IntervalMs = 100;

inline constexpr ControlLayout Form1Controls[] = {
    {ControlType::PictureBox, ControlName::Picture1, nullptr, nullptr, 0, 0, 480, 480},
    // Below the design client area: the picture covers it only when taller than 224 pixels.
    {ControlType::TextBox, ControlName::Text1, nullptr, nullptr, 120, 3360, 495, 270},
};

inline constexpr FormLayout Form1 = {nullptr, 480, 480, Form1Controls};

}  // namespace rublet::layouts
