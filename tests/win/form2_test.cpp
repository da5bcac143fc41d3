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
    int clientWidth, clientHeight;
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
    EXPECT_EQ(client, (RECT{0, 0, scale.clientWidth, scale.clientHeight}));
    HWND tooltips = nullptr;
    for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
        if (::GetWindow(w, GW_OWNER) == dialog.hwnd()) tooltips = w;
    ASSERT_TRUE(tooltips);

    HWND expectedNext = ::GetWindow(dialog.hwnd(), GW_CHILD);
    for (const ControlLayout& control : layouts::Form2.Controls) {
        SCOPED_TRACE(static_cast<int>(control.Name) * 10 + control.Index);
        const HWND child = dialog.Control(control.Name, control.Index);
        ASSERT_EQ(child, expectedNext) << "the tab order is the table's";
        expectedNext = ::GetWindow(child, GW_HWNDNEXT);
        int left = control.Left, top = control.Top;
        for (const ControlLayout& frame : layouts::Form2.Controls)
            if (frame.Name == control.Container) left += frame.Left, top += frame.Top;
        const auto pixels = [&](int twips) { return TwipsToPixels(twips, scale.twipsPerPixel); };
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, dialog.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect, (RECT{pixels(left), pixels(top), pixels(left) + pixels(control.Width),
                              pixels(top) + pixels(control.Height)}));
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

INSTANTIATE_TEST_SUITE_P(Dpi, SettingsDialogLayout, testing::Values(Scale{15, 313, 169}, Scale{10, 470, 254}));

}  // namespace
}  // namespace rublet
