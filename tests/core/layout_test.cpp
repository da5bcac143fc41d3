#include <gtest/gtest.h>

#include <algorithm>

#include "layouts/form1_layout.h"
#include "layouts/form2_layout.h"
#include "layouts/form3_layout.h"

namespace rublet {
namespace {

// Left and top of a control in the window's client area, through its frame.
std::pair<int, int> Origin(const FormLayout& form, const ControlLayout& control) {
    if (control.Container == ControlName::None) return {control.Left, control.Top};
    for (const ControlLayout& frame : form.Controls)
        if (frame.Name == control.Container)
            return {frame.Left + control.Left, frame.Top + control.Top};
    ADD_FAILURE() << "no container";
    return {0, 0};
}

TEST(Form2Layout, EveryControlLiesInsideTheClientAreaAndItsFrame) {
    int right = 0, bottom = 0;
    for (const ControlLayout& control : layouts::Form2.Controls) {
        const auto [left, top] = Origin(layouts::Form2, control);
        EXPECT_LE(left + control.Width, layouts::Form2.ClientWidth);
        EXPECT_LE(top + control.Height, layouts::Form2.ClientHeight);
        if (control.Type != ControlType::Frame) right = std::max(right, left + control.Width);
        bottom = std::max(bottom, top + control.Height);
        if (control.Container != ControlName::None) {
            for (const ControlLayout& frame : layouts::Form2.Controls)
                if (frame.Name == control.Container) {
                    EXPECT_LE(control.Left + control.Width, frame.Width);
                    EXPECT_LE(control.Top + control.Height, frame.Height);
                }
        }
    }
    // The frame "全般" reaches the client area's edge; everything else ends at 4575.
    EXPECT_EQ(right, 4575);
    EXPECT_EQ(bottom, 2415);
}

TEST(Form2Layout, TheTableIsInTabOrderWithOneExclusivePairOfOptionButtons) {
    int expected = 0;
    int optionButtons = 0;
    for (const ControlLayout& control : layouts::Form2.Controls) {
        EXPECT_EQ(control.TabIndex, expected++);
        if (control.Type == ControlType::OptionButton) {
            EXPECT_EQ(control.Name, ControlName::Check1);
            EXPECT_EQ(control.Container, ControlName::Frame1);
            EXPECT_EQ(control.Index, optionButtons++);
        }
    }
    EXPECT_EQ(optionButtons, 2);
}

TEST(TwipsToPixels, ConvertsAtTheScreensFactor) {
    EXPECT_EQ(TwipsToPixels(4695, 15), 313);
    EXPECT_EQ(TwipsToPixels(2535, 15), 169);
    EXPECT_EQ(TwipsToPixels(4695, 10), 470);  // 469.5 at 144 DPI
    EXPECT_EQ(TwipsToPixels(255, 10), 26);
    EXPECT_EQ(TwipsToPixels(3360, 15), 224);
    EXPECT_EQ(TwipsToPixels(-15, 15), -1);
}

TEST(Form3Menus, HoldTheTwoPopupsInOrder) {
    std::wstring program, trash;
    std::wstring* current = nullptr;
    for (const MenuItemLayout& item : layouts::Form3Menus) {
        if (item.Level == 0) {
            current = item.Item == MenuItem::mfile ? &program : &trash;
            continue;
        }
        *current += std::wstring(item.Caption) + L"|";
    }
    EXPECT_EQ(program, L"設定|-|ﾊﾞｰｼﾞｮﾝ情報|-|終了|");
    EXPECT_EQ(trash, L"|-|開く|ゴミ箱を空にする|");
}

}  // namespace
}  // namespace rublet
