#pragma once
// The screen measured in twips, the unit the settings store places in.

namespace rublet {

// The primary screen's size.
struct ScreenTwips {
    float Width = 0;
    float Height = 0;
};

// A rectangle on the screen: left and top inside, right and bottom just outside.
struct TwipsRect {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
};

}  // namespace rublet
