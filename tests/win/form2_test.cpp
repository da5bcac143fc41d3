// The settings dialog built from its design by the window runtime, in
// Japanese and English at 96 and 144 dots per inch, held against the texts
// as written here, not against the table the dialog is built from.
#include "settings_dialog/form2.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "settings/registry_settings_store.h"

namespace {
using namespace rublet;

struct Scale { float twipsPerPixel; LONG clientWidth, clientHeight; };  // the client area in pixels

class SettingsDialog : public testing::TestWithParam<Scale> {
protected:
    void TearDown() override { UseLanguage(Language::Japanese); }
};

// Each control in tab order: its caption and tooltip in Japanese, then in
// English; Text1's caption is the picture path.
struct Texts2 { const wchar_t *Caption, *Tooltip; };
constexpr Texts2 Expected[][2] = {
    {{L"OK", L""}, {L"OK", L""}},
    {{L"CANCEL", L""}, {L"Cancel", L""}},
    {{L"全般", L""}, {L"General", L""}},
    {{L"最前面表示", L"常に最前面に表示します"}, {L"Stay on top", L"Keep Rublet in front of other windows"}},
    {{L"処理開始確認", L"処理を開始する前に確認します"}, {L"Ask first", L"Ask before moving or deleting dropped items"}},
    {{L"処理終了確認", L"処理が終了したらメッセージを表示します"},
     {L"Show result", L"Show a message when the operation is complete"}},
    {{L"ﾌｧｲﾙﾄﾞﾛｯﾌﾟ時の処理", L""}, {L"Dropped items", L""}},
    {{L"ｺﾞﾐ箱へ", L"ｺﾞﾐ箱に投入します"}, {L"Recycle", L"Move dropped items to the Recycle Bin"}},
    {{L"削除", L"ｺﾞﾐ箱には入れずに削除します、この操作は元に戻せません"},
     {L"Delete", L"Delete dropped items permanently. This cannot be undone."}},
    {{nullptr, L"画像の左上の色が透過色になります"},
     {nullptr, L"The color of the picture's top-left pixel becomes transparent"}},
    {{L"...", L""}, {L"...", L""}},
    {{L"表示する画像", L""}, {L"Picture", L""}},
    {{L"処理終了後に「ゴミ箱を空にする」サウンド再生", L""}, {L"Play the \"Empty Recycle Bin\" sound when done", L""}},
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

// Every control in its tab order with its caption and tooltip, the client
// area the size the design gives; and every English caption fits its
// control as Windows draws it, in the font DEFAULT_GUI_FONT is on an English
// Windows: 8-point MS Shell Dlg, that is Microsoft Sans Serif (measured as
// the wider of MS Sans Serif and Tahoma, or of the fonts a Wine without them
// puts in their place). The room is the control's width less a check mark
// and its gap for check boxes and option buttons, the edges of a push
// button, the indents of a group box's title. A caption the same in both
// languages is the program's own, and Japanese Windows draws it.
TEST_P(SettingsDialog, KeepsTheTabOrderCaptionsAndTooltipsAndGivesEveryEnglishCaptionRoom) {
    const Scale scale = GetParam();
    const int dpi = static_cast<int>(1440 / scale.twipsPerPixel);
    for (const int english : {0, 1}) {
        SCOPED_TRACE(english ? "English" : "Japanese");
        UseLanguage(english ? Language::English : Language::Japanese);
        RegistrySettingsStore store;
        const std::unique_ptr<Form2> created = Form2::Create(store, nullptr, {scale.twipsPerPixel, scale.twipsPerPixel});
        ASSERT_TRUE(created);
        Form2& dialog = *created;
        wchar_t text[256] = {};
        ::GetWindowTextW(dialog.hwnd(), text, 256);
        EXPECT_STREQ(text, english ? L"Settings" : L"設定");
        RECT client{};
        ::GetClientRect(dialog.hwnd(), &client);
        EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(scale.clientWidth, scale.clientHeight));
        HWND tooltips = nullptr;
        for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
            if (::GetWindow(w, GW_OWNER) == dialog.hwnd()) tooltips = w;
        ASSERT_TRUE(tooltips);

        // The controls as the dialog holds them, in tab order.
        HWND child = ::GetWindow(dialog.hwnd(), GW_CHILD);
        for (std::size_t i = 0; i < std::size(Expected); ++i, child = ::GetWindow(child, GW_HWNDNEXT)) {
            const Texts2& expected = Expected[i][english];
            SCOPED_TRACE(i);
            ASSERT_TRUE(child);
            wchar_t tip[256] = {};
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool, tool.hwnd = dialog.hwnd(), tool.uId = reinterpret_cast<UINT_PTR>(child);
            tool.lpszText = tip;
            ::SendMessageW(tooltips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
            EXPECT_STREQ(tip, expected.Tooltip);
            if (!expected.Caption) continue;
            ::GetWindowTextW(child, text, 256);
            EXPECT_STREQ(text, expected.Caption);

            const std::wstring_view caption = expected.Caption;
            if (!english || caption == Expected[i][0].Caption) continue;
            RECT rect{};
            ::GetWindowRect(child, &rect);
            const int width = std::max(TextWidth(L"MS Sans Serif", dpi, caption), TextWidth(L"Tahoma", dpi, caption));
            // A button's kind by its style: a check mark and its gap, a group box's indents, a push button's edges.
            const LONG_PTR kind = ::GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK;
            wchar_t type[32] = {};
            ::GetClassNameW(child, type, 32);
            const int inset = ::_wcsicmp(type, L"Button") != 0               ? 0
                              : kind == BS_3STATE || kind == BS_AUTORADIOBUTTON ? ::GetSystemMetrics(SM_CXMENUCHECK) + 4
                              : kind == BS_GROUPBOX                            ? 2 * 8
                                                                               : 2 * 3;
            EXPECT_LE(width, rect.right - rect.left - ::MulDiv(inset, dpi, 96)) << testing::PrintToString(std::wstring(caption));
        }
        EXPECT_FALSE(child) << "no control beyond those";
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, SettingsDialog, testing::Values(Scale{15, 313, 169}, Scale{10, 470, 254}));

}  // namespace
