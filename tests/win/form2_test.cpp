// The settings dialog built from its design by the window runtime.
#include "options/form2.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "layouts/form2_layout.h"
#include "platform/registry_settings_store.h"
#include "support.h"

namespace rublet {
namespace {

using enum ControlName;

std::wstring TextOf(HWND hwnd) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(hwnd, text, 1024);
    return text;
}

struct Scale {
    float twipsPerPixel;
    RECT client, controls[13];  // in pixels, the controls in tab order
};

class SettingsDialogLayout : public testing::TestWithParam<Scale> {};

TEST_P(SettingsDialogLayout, PutsEveryControlWhereTheDesignSaysWithItsCaptionTooltipAndTabOrder) {
    const Scale scale = GetParam();
    RegistrySettingsStore store;
    Form2 dialog(store, nullptr, {scale.twipsPerPixel, scale.twipsPerPixel});
    ASSERT_TRUE(dialog.Loaded());
    EXPECT_EQ(TextOf(dialog.hwnd()), L"設定");
    RECT client{};
    ::GetClientRect(dialog.hwnd(), &client);
    EXPECT_EQ(client, scale.client);
    HWND tooltips = nullptr;
    for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
        if (::GetWindow(w, GW_OWNER) == dialog.hwnd()) tooltips = w;
    ASSERT_TRUE(tooltips);

    ASSERT_EQ(layouts::Form2.Controls.size(), std::size(scale.controls));
    HWND expectedNext = ::GetWindow(dialog.hwnd(), GW_CHILD);
    for (std::size_t i = 0; i < std::size(scale.controls); ++i) {
        const ControlLayout& control = layouts::Form2.Controls[i];
        SCOPED_TRACE(i);
        const HWND child = dialog.Control(control.Name, control.Index);
        ASSERT_EQ(child, expectedNext) << "the tab order is the table's";
        expectedNext = ::GetWindow(child, GW_HWNDNEXT);
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, dialog.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect, scale.controls[i]);
        if (control.Type != ControlType::TextBox) {
            EXPECT_EQ(TextOf(child), control.Caption);
        }
        wchar_t tip[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = dialog.hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(child);
        tool.lpszText = tip;
        ::SendMessageW(tooltips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(std::wstring(tip), control.Tooltip);
    }
}

// 96 and 144 dots per inch.
INSTANTIATE_TEST_SUITE_P(
    Dpi, SettingsDialogLayout,
    testing::Values(Scale{15, {0, 0, 313, 169}, {{168, 144, 233, 161}, {240, 144, 305, 161}, {160, 0, 313, 73},
                          {168, 48, 257, 65}, {168, 16, 265, 33}, {168, 32, 265, 49}, {0, 0, 153, 73}, {8, 16, 73, 33},
                          {8, 32, 65, 49}, {8, 120, 281, 138}, {288, 120, 305, 137}, {8, 104, 89, 121}, {8, 80, 305, 97}}},
                    Scale{10, {0, 0, 470, 254}, {{252, 216, 350, 242}, {360, 216, 458, 242}, {240, 0, 470, 110},
                          {252, 72, 386, 98}, {252, 24, 398, 50}, {252, 48, 398, 74}, {0, 0, 230, 110},
                          {12, 24, 110, 50}, {12, 48, 98, 74}, {12, 180, 422, 207}, {432, 180, 458, 206},
                          {12, 156, 134, 182}, {12, 120, 458, 146}}}));

}  // namespace
}  // namespace rublet
