// The settings dialog built from its design by the window runtime, in
// English at 96 and 144 dots per inch; the layout does not depend on the
// language.
#include "settings_dialog/form2.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "layouts/form2_layout.h"
#include "settings/registry_settings_store.h"

namespace {
using namespace rublet;

struct Scale { float twipsPerPixel; LONG clientWidth, clientHeight; };  // the client area in pixels

class SettingsDialog : public testing::TestWithParam<Scale> {
protected:
    void SetUp() override { UseLanguage(Language::English); }
    void TearDown() override { UseLanguage(Language::Japanese); }
};

// The width of `text` in 8-point `face` at `dpi`, in the character set of an
// English Windows (under a Japanese locale the default would pick a Japanese font).
int TextWidth(const wchar_t* face, int dpi, std::wstring_view text) {
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(8, dpi, 72), font.lfCharSet = ANSI_CHARSET;
    std::wcscpy(font.lfFaceName, face);
    static const HDC dc = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(dc, ::CreateFontIndirectW(&font));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    ::DeleteObject(::SelectObject(dc, previous));
    return extent.cx;
}

// Every control in its tab order with its tooltip, the client area the size
// the design gives; and every English caption fits its control as Windows draws
// it, in the font DEFAULT_GUI_FONT is on an English Windows: 8-point MS Shell
// Dlg, that is Microsoft Sans Serif (measured as the wider of MS Sans Serif
// and Tahoma, or of the fonts a Wine without them puts in their place). The
// room is the control's width less a check mark and its gap for check boxes
// and option buttons, the edges of a push button, the indents of a group
// box's title. A caption the same in both languages is the program's own and
// is only reported.
TEST_P(SettingsDialog, KeepsTheTabOrderAndTooltipsAndGivesEveryEnglishCaptionRoom) {
    const Scale scale = GetParam();
    const int dpi = static_cast<int>(1440 / scale.twipsPerPixel);
    RegistrySettingsStore store;
    const std::unique_ptr<Form2> created = Form2::Create(store, nullptr, {scale.twipsPerPixel, scale.twipsPerPixel});
    ASSERT_TRUE(created);
    Form2& dialog = *created;
    RECT client{};
    ::GetClientRect(dialog.hwnd(), &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(scale.clientWidth, scale.clientHeight));
    HWND tooltips = nullptr;
    for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
        if (::GetWindow(w, GW_OWNER) == dialog.hwnd()) tooltips = w;
    ASSERT_TRUE(tooltips);

    HWND expectedNext = ::GetWindow(dialog.hwnd(), GW_CHILD);
    for (std::size_t i = 0; i < layouts::Form2.Controls.size(); ++i) {
        const ControlLayout& control = layouts::Form2.Controls[i];
        SCOPED_TRACE(i);
        const HWND child = dialog.Control(control.Name, control.Index);
        ASSERT_EQ(child, expectedNext) << "the tab order is the table's";
        expectedNext = ::GetWindow(child, GW_HWNDNEXT);
        RECT rect{};
        ::GetWindowRect(child, &rect);
        wchar_t tip[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool, tool.hwnd = dialog.hwnd(), tool.uId = reinterpret_cast<UINT_PTR>(child);
        tool.lpszText = tip;
        ::SendMessageW(tooltips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(std::wstring(tip), TextOf(control.Tooltip));

        const std::wstring_view caption = TextOf(control.Caption);
        if (caption.empty()) continue;
        const int width = std::max(TextWidth(L"MS Sans Serif", dpi, caption), TextWidth(L"Tahoma", dpi, caption));
        const bool check = control.Type == ControlType::CheckBox || control.Type == ControlType::OptionButton;
        const int inset = check ? ::GetSystemMetrics(SM_CXMENUCHECK) + 4
                                : control.Type == ControlType::Button ? 2 * 3 : control.Type == ControlType::Frame ? 2 * 8 : 0;
        const int room = rect.right - rect.left - ::MulDiv(inset, dpi, 96);
        if (caption != TextsOf(Language::Japanese).*control.Caption) {
            EXPECT_LE(width, room) << testing::PrintToString(std::wstring(caption));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, SettingsDialog, testing::Values(Scale{15, 313, 169}, Scale{10, 470, 254}));

}  // namespace
