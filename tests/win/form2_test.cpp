// The settings dialog against the real registry, the real main window and
// the real file dialog.
#include "options/form2.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include "layouts/form2_layout.h"
#include "main_window/form1.h"
#include "main_window/settings.h"
#include "pictures.h"
#include "platform/registry_settings_store.h"
#include "support.h"

namespace rublet {
namespace {

using namespace testing_support;
using enum ControlName;

std::wstring TextOf(HWND hwnd) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(hwnd, text, 1024);
    return text;
}

LRESULT Check(const Form2& dialog, ControlName name, int index = -1) {
    return ::SendMessageW(dialog.Control(name, index), BM_GETCHECK, 0, 0);
}

void Click(const Form2& dialog, ControlName name, int index = -1) {
    ::SendMessageW(dialog.Control(name, index), BM_CLICK, 0, 0);
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

class SettingsDialog : public testing::Test {
protected:
    void SetUp() override {
        RUBLET_SKIP_OUTSIDE_SANDBOX();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
        main = ::CreateWindowExW(0, L"STATIC", L"main", WS_POPUP | WS_VISIBLE, 10, 10, 32, 32, nullptr, nullptr,
                                 nullptr, nullptr);
        Settings = ReadSettings(store, {15360, 11520}, ProgramDirectory()).Record;
    }
    void TearDown() override { ::DestroyWindow(main); }
    std::wstring Stored(const wchar_t* key) const { return store.Read(L"Rublet", L"setting", key).value_or(L"-"); }
    std::wstring StoredOptions() const {
        return Stored(L"Option1") + Stored(L"Option2") + Stored(L"Option3") + Stored(L"Option4") + Stored(L"Option5");
    }

    RegistrySettingsStore store;
    HWND main = nullptr;
    const std::wstring defaultPath = ProgramDirectory() + L"\\Rublet.bmp";
};

TEST_F(SettingsDialog, ShowsTheSettingsAndOkStoresWhatTheControlsShow) {
    Form2 dialog(store, main);
    dialog.Intoform();
    EXPECT_EQ(TextOf(dialog.Control(Text1)), defaultPath);
    EXPECT_EQ((std::vector<LRESULT>{Check(dialog, Check1, 0), Check(dialog, Check1, 1), Check(dialog, Check2),
                                    Check(dialog, Check3), Check(dialog, Check4), Check(dialog, Check5)}),
              (std::vector<LRESULT>{0, 1, 1, 1, 0, 1}));
    Click(dialog, Check1, 0);  // "ｺﾞﾐ箱へ" clears "削除"
    Click(dialog, Check2);
    dialog.Command2_Click();
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_EQ(Stored(L"Bmpdir") + L"|" + StoredOptions() + L"|" + Stored(L"Defleft"), defaultPath + L"|00101|-");
    EXPECT_EQ(Settings.Option1, 0);

    // A grayed 2 stays 2; values no control can show are stored as shown.
    Settings.Option1 = 5, Settings.Option2 = 7, Settings.Option3 = 2, Settings.Option5 = -1;
    Form2 again(store, main);
    again.Intoform();
    EXPECT_EQ(Check(again, Check3), BST_INDETERMINATE);
    again.Command2_Click();
    EXPECT_EQ(StoredOptions(), L"10200");
}

TEST_F(SettingsDialog, ThePictureNoticeAppearsOnlyForAPathThatDiffersFromTheOneInMemory) {
    BoxAnswerer answerer;
    const auto okWith = [&](const std::wstring& text) {
        Form2 dialog(store, main);
        dialog.Intoform();
        ::SetWindowTextW(dialog.Control(Text1), text.c_str());
        dialog.Command2_Click();
        return answerer.Seen().size();
    };
    EXPECT_EQ(okWith(defaultPath), 0u) << "the same path";
    EXPECT_EQ(okWith(L""), 0u) << "empty: the default, which is the same";
    EXPECT_EQ(Stored(L"Bmpdir"), defaultPath);
    const std::wstring otherCase = defaultPath.substr(0, defaultPath.size() - 1) + L"P";
    EXPECT_EQ(okWith(otherCase), 1u) << "letter case counts";
    EXPECT_EQ(answerer.Seen().back(), L"Rublet|画像の変更は次回起動時に有効になります");
    EXPECT_EQ(okWith(otherCase), 1u) << "the second OK in one run: no notice";
    Settings.Bmpdir = L"";
    EXPECT_EQ(okWith(L""), 2u) << "an empty Bmpdir differs from the default path";
}

TEST_F(SettingsDialog, CancelAndTheTitleBarCloseStoreNothing) {
    for (const bool fromTitleBar : {false, true}) {
        Form2 dialog(store, main);
        dialog.Intoform();
        ::SetWindowTextW(dialog.Control(Text1), L"T:\\other.gif");
        Click(dialog, Check4);
        if (fromTitleBar) ::SendMessageW(dialog.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else Click(dialog, Command3);
        EXPECT_FALSE(dialog.Loaded());
        EXPECT_EQ(Stored(L"Bmpdir") + StoredOptions(), L"------");
        EXPECT_EQ(Settings.Bmpdir + std::to_wstring(Settings.Option4), defaultPath + L"0");
    }
}

TEST_F(SettingsDialog, IsModalToTheMainWindowUntilItIsUnloaded) {
    Form2 dialog(store, main);
    dialog.Intoform();
    bool mainDisabledWhileOpen = false;
    std::thread driver([&] {
        WaitUntil([] { return VisibleWindowOf(::GetCurrentProcessId(), L"Rublet.Form2") != nullptr; }, 10000);
        mainDisabledWhileOpen = !::IsWindowEnabled(main);
        ::PostMessageW(dialog.Control(Command2), BM_CLICK, 0, 0);
    });
    dialog.ShowModal();
    driver.join();
    EXPECT_TRUE(mainDisabledWhileOpen);
    EXPECT_TRUE(::IsWindowEnabled(main));
    EXPECT_EQ(Stored(L"Option1"), L"1") << "closed by OK";
}

TEST_F(SettingsDialog, AlwaysOnTopIsAppliedToTheMainWindowAtOnceWithoutMovingIt) {
    auto form = Form1::Create(store);
    ASSERT_TRUE(form);
    RECT before{}, after{};
    ::GetWindowRect(form->hwnd(), &before);
    for (const bool onTop : {true, false}) {
        Form2 dialog(store, form->hwnd());
        dialog.Intoform();
        if (onTop != (Check(dialog, Check4) == BST_CHECKED)) Click(dialog, Check4);
        dialog.Command2_Click();
        EXPECT_EQ((::GetWindowLongPtrW(form->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, onTop);
        bool mainBelow = false;  // this test's own window, shown before
        for (HWND w = ::GetWindow(form->hwnd(), GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT)) mainBelow |= w == main;
        EXPECT_EQ(mainBelow, onTop);
        ::GetWindowRect(form->hwnd(), &after);
        EXPECT_EQ(after, before);
    }
    form.reset();
    MSG quit;  // the closed main window's WM_QUIT
    ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

// Answers the picture chooser from a second thread: types `name` and
// confirms, or cancels for an empty name; tells the folder and filter shown.
std::wstring AnswerChooser(const std::wstring& name) {
    HWND chooser = nullptr;
    wchar_t folder[MAX_PATH] = {};
    // Visible comes before ready: wait until it knows its folder.
    WaitUntil([&] {
        chooser = ::FindWindowW(L"#32770", L"画像の選択");
        return chooser && ::SendMessageW(chooser, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder)) > 1;
    }, 10000);
    ::Sleep(200);
    const std::wstring seen = std::wstring(folder) + L"|" + TextOf(::GetDlgItem(chooser, cmb1));
    if (!name.empty()) ::SetWindowTextW(::GetDlgItem(chooser, cmb13), name.c_str());
    ::PostMessageW(chooser, WM_COMMAND, name.empty() ? IDCANCEL : IDOK, 0);
    return seen;
}

TEST_F(SettingsDialog, TheChooserOpensInTheProgramFolderAndGivesTheChosenFileWhole) {
    const std::wstring name = L"選んだ 絵 😀.bmp";
    WriteFile(ProgramDirectory() + L"\\" + name, Bmp24({1, 1, {0}}));
    Form2 dialog(store, main);
    dialog.Intoform();
    for (const std::wstring& answer : {name, std::wstring()}) {
        std::wstring seen;
        std::thread driver([&] { seen = AnswerChooser(answer); });
        dialog.Command1_Click();
        driver.join();
        EXPECT_EQ(seen, ProgramDirectory() + L"|画像ﾌｧｲﾙ");
        EXPECT_EQ(TextOf(dialog.Control(Text1)), ProgramDirectory() + L"\\" + name) << "a cancel changes nothing";
    }
}

}  // namespace
}  // namespace rublet
