#include "options/form2.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <functional>
#include <thread>

#include "drop_helpers.h"
#include "layouts/form2_layout.h"
#include "main_window/form1.h"
#include "main_window/settings.h"
#include "options/file_chooser.h"
#include "platform/registry_settings_store.h"
#include "test_pictures.h"

namespace rublet {
namespace {

using testing_drops::BoxAnswerer;
using testing_drops::VisibleWindowOf;

// Runs `action` on a second thread while this thread sits in a modal loop.
class Driver {
public:
    explicit Driver(std::function<void()> action) : thread_(std::move(action)) {}
    ~Driver() { thread_.join(); }

private:
    std::thread thread_;
};

HWND WaitForWindow(const wchar_t* className, const wchar_t* title = nullptr) {
    for (int i = 0; i < 500; ++i) {
        const HWND found = title ? ::FindWindowW(className, title) : VisibleWindowOf(::GetCurrentProcessId(), className);
        if (found && ::IsWindowVisible(found)) return found;
        ::Sleep(20);
    }
    return nullptr;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(hwnd, text, 1024);
    return text;
}

LRESULT Check(HWND control) { return ::SendMessageW(control, BM_GETCHECK, 0, 0); }

class SettingsDialog : public testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
        main = ::CreateWindowExW(0, L"STATIC", L"main", WS_POPUP | WS_VISIBLE, 10, 10, 32, 32, nullptr, nullptr,
                                 nullptr, nullptr);
        Settings = ReadSettings(store, {15360, 11520}, ProgramDirectory()).Record;
    }
    void TearDown() override { ::DestroyWindow(main); }

    std::optional<std::wstring> Stored(const wchar_t* key) const { return store.Read(L"Rublet", L"setting", key); }

    RegistrySettingsStore store;
    HWND main = nullptr;
};

struct Scale {
    float twipsPerPixel;
    int clientWidth, clientHeight;
};

class SettingsDialogLayout : public SettingsDialog, public testing::WithParamInterface<Scale> {};

TEST_P(SettingsDialogLayout, EveryControlSitsWhereTheDesignPutsItWithItsCaptionAndTooltip) {
    const Scale scale = GetParam();
    Form2 dialog(store, main, {scale.twipsPerPixel, scale.twipsPerPixel});
    ASSERT_TRUE(dialog.Loaded());
    EXPECT_EQ(TextOf(dialog.hwnd()), L"設定");
    RECT client{};
    ::GetClientRect(dialog.hwnd(), &client);
    EXPECT_EQ(client.right, scale.clientWidth);
    EXPECT_EQ(client.bottom, scale.clientHeight);

    HWND tooltips = nullptr;
    for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        ::GetClassNameW(w, name, 64);
        if (::GetWindow(w, GW_OWNER) == dialog.hwnd() && std::wstring(name) == TOOLTIPS_CLASSW) tooltips = w;
    }
    ASSERT_TRUE(tooltips);

    HWND expectedNext = ::GetWindow(dialog.hwnd(), GW_CHILD);
    for (const ControlLayout& control : layouts::Form2.Controls) {
        SCOPED_TRACE(std::to_string(static_cast<int>(control.Name)) + " " + std::to_string(control.Index));
        const HWND child = dialog.Control(control.Name, control.Index);
        ASSERT_TRUE(child);
        EXPECT_EQ(child, expectedNext) << "tab order follows the table";
        expectedNext = ::GetWindow(child, GW_HWNDNEXT);

        int left = control.Left, top = control.Top;
        for (const ControlLayout& frame : layouts::Form2.Controls) {
            if (frame.Name == control.Container) {
                left += frame.Left;
                top += frame.Top;
            }
        }
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, dialog.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, TwipsToPixels(left, scale.twipsPerPixel));
        EXPECT_EQ(rect.top, TwipsToPixels(top, scale.twipsPerPixel));
        EXPECT_EQ(rect.right - rect.left, TwipsToPixels(control.Width, scale.twipsPerPixel));
        EXPECT_EQ(rect.bottom - rect.top, TwipsToPixels(control.Height, scale.twipsPerPixel));
        EXPECT_LE(rect.right, client.right);
        EXPECT_LE(rect.bottom, client.bottom);
        if (control.Type != ControlType::TextBox) {
            EXPECT_EQ(TextOf(child), control.Caption);
        }

        wchar_t tip[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = dialog.hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(child);
        tool.lpszText = tip;
        const bool hasTool = ::SendMessageW(tooltips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
        EXPECT_EQ(hasTool, !control.Tooltip.empty());
        if (hasTool) {
            ::SendMessageW(tooltips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
            EXPECT_EQ(std::wstring(tip), control.Tooltip);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, SettingsDialogLayout,
                         testing::Values(Scale{15, 313, 169}, Scale{10, 470, 254}));

TEST_F(SettingsDialog, OnAnEmptyStoreShowsTheDefaults) {
    Form2 dialog(store, main);
    dialog.Intoform();
    EXPECT_EQ(TextOf(dialog.Control(ControlName::Text1)), ProgramDirectory() + L"\\Rublet.bmp");
    EXPECT_EQ(Check(dialog.Control(ControlName::Check1, 0)), BST_UNCHECKED);
    EXPECT_EQ(Check(dialog.Control(ControlName::Check1, 1)), BST_CHECKED);
    EXPECT_EQ(Check(dialog.Control(ControlName::Check2)), BST_CHECKED);
    EXPECT_EQ(Check(dialog.Control(ControlName::Check3)), BST_CHECKED);
    EXPECT_EQ(Check(dialog.Control(ControlName::Check4)), BST_UNCHECKED);
    EXPECT_EQ(Check(dialog.Control(ControlName::Check5)), BST_CHECKED);
}

TEST_F(SettingsDialog, OkStoresTheChoicesAndAGrayedBoxStaysGrayed) {
    Settings.Option3 = 2;
    Form2 dialog(store, main);
    dialog.Intoform();
    EXPECT_EQ(Check(dialog.Control(ControlName::Check3)), BST_INDETERMINATE);
    // Choosing "ｺﾞﾐ箱へ" as a user would clears "削除".
    ::SendMessageW(dialog.Control(ControlName::Check1, 0), BM_CLICK, 0, 0);
    EXPECT_EQ(Check(dialog.Control(ControlName::Check1, 1)), BST_UNCHECKED);
    ::SendMessageW(dialog.Control(ControlName::Check2), BM_CLICK, 0, 0);
    dialog.Command2_Click();
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_EQ(Stored(L"Bmpdir"), ProgramDirectory() + L"\\Rublet.bmp");
    EXPECT_EQ(Stored(L"Option1"), L"0");
    EXPECT_EQ(Stored(L"Option2"), L"0");
    EXPECT_EQ(Stored(L"Option3"), L"2");
    EXPECT_EQ(Stored(L"Option4"), L"0");
    EXPECT_EQ(Stored(L"Option5"), L"1");
    EXPECT_EQ(Stored(L"Defleft"), std::nullopt);
    EXPECT_EQ(Settings.Option1, 0);

    Form2 again(store, main);
    again.Intoform();
    ::SendMessageW(again.Control(ControlName::Check1, 1), BM_CLICK, 0, 0);
    again.Command2_Click();
    EXPECT_EQ(Stored(L"Option1"), L"1");
}

TEST_F(SettingsDialog, ValuesTheControlsCannotShowAreStoredAsTheyAreShown) {
    Settings.Option1 = 5;
    Settings.Option2 = 7;
    Settings.Option5 = -1;
    Form2 dialog(store, main);
    dialog.Intoform();
    EXPECT_EQ(Check(dialog.Control(ControlName::Check1, 1)), BST_CHECKED);
    EXPECT_EQ(Check(dialog.Control(ControlName::Check2)), BST_UNCHECKED);
    dialog.Command2_Click();
    EXPECT_EQ(Stored(L"Option1"), L"1");
    EXPECT_EQ(Stored(L"Option2"), L"0");
    EXPECT_EQ(Stored(L"Option5"), L"0");
}

TEST_F(SettingsDialog, ThePictureNoticeAppearsOnlyForAPathThatDiffersFromTheOneInMemory) {
    const std::wstring defaultPath = ProgramDirectory() + L"\\Rublet.bmp";
    BoxAnswerer answerer;
    const auto okWith = [&](const std::wstring& text) {
        Form2 dialog(store, main);
        dialog.Intoform();
        ::SetWindowTextW(dialog.Control(ControlName::Text1), text.c_str());
        dialog.Command2_Click();
        return answerer.Seen().size();
    };
    EXPECT_EQ(okWith(defaultPath), 0u) << "the same path";
    EXPECT_EQ(okWith(L""), 0u) << "empty: the default, which is the same";
    EXPECT_EQ(Stored(L"Bmpdir"), defaultPath);
    std::wstring otherCase = defaultPath;
    otherCase.back() = L'P';
    EXPECT_EQ(okWith(otherCase), 1u) << "letter case counts";
    EXPECT_EQ(answerer.Seen().back(), L"Rublet|画像の変更は次回起動時に有効になります");
    EXPECT_EQ(okWith(otherCase), 1u) << "the second OK in one run: no notice";
    Settings.Bmpdir = L"";
    EXPECT_EQ(okWith(L""), 2u) << "an empty Bmpdir differs from the default path";
}

TEST_F(SettingsDialog, CancelAndTheTitleBarCloseStoreNothing) {
    const SettingsRecord before = Settings;
    for (const bool fromTitleBar : {false, true}) {
        Form2 dialog(store, main);
        dialog.Intoform();
        ::SetWindowTextW(dialog.Control(ControlName::Text1), L"T:\\other.gif");
        ::SendMessageW(dialog.Control(ControlName::Check4), BM_CLICK, 0, 0);
        if (fromTitleBar)
            ::SendMessageW(dialog.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            ::SendMessageW(dialog.Control(ControlName::Command3), BM_CLICK, 0, 0);
        EXPECT_FALSE(dialog.Loaded());
        EXPECT_EQ(Stored(L"Bmpdir"), std::nullopt);
        EXPECT_EQ(Settings.Bmpdir, before.Bmpdir);
        EXPECT_EQ(Settings.Option4, before.Option4);
    }
}

TEST_F(SettingsDialog, IsModalToTheMainWindowUntilItIsUnloaded) {
    Form2 dialog(store, main);
    dialog.Intoform();
    bool mainDisabledWhileOpen = false;
    {
        Driver driver([&] {
            const HWND shown = WaitForWindow(L"Rublet.Form2");
            mainDisabledWhileOpen = shown && !::IsWindowEnabled(main);
            ::PostMessageW(dialog.Control(ControlName::Command2), BM_CLICK, 0, 0);
        });
        dialog.ShowModal();
    }
    EXPECT_TRUE(mainDisabledWhileOpen);
    EXPECT_TRUE(::IsWindowEnabled(main));
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_EQ(Stored(L"Option1"), L"1");
}

TEST_F(SettingsDialog, AlwaysOnTopIsAppliedToTheMainWindowAtOnceWithoutMovingIt) {
    ::DestroyWindow(main);
    auto form = Form1::Create(store);
    ASSERT_TRUE(form);
    main = nullptr;
    RECT before{};
    ::GetWindowRect(form->hwnd(), &before);
    const HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr,
                                         nullptr, nullptr, nullptr);
    for (const bool onTop : {true, false}) {
        Form2 dialog(store, form->hwnd());
        dialog.Intoform();
        if (onTop != (Check(dialog.Control(ControlName::Check4)) == BST_CHECKED))
            ::SendMessageW(dialog.Control(ControlName::Check4), BM_CLICK, 0, 0);
        dialog.Command2_Click();
        EXPECT_EQ((::GetWindowLongPtrW(form->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, onTop);
        bool otherBelow = false;
        for (HWND w = ::GetWindow(form->hwnd(), GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT))
            otherBelow = otherBelow || w == other;
        EXPECT_EQ(otherBelow, onTop);
        RECT after{};
        ::GetWindowRect(form->hwnd(), &after);
        EXPECT_TRUE(::EqualRect(&before, &after));
    }
    ::DestroyWindow(other);
    ::SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
    testing_drops::PumpMessages(50);  // takes the closing window's WM_QUIT off the queue
}

struct ChooserSeen {
    std::wstring folder, filter;
};

// Answers the picture chooser: types `name` and confirms, or cancels when empty.
void AnswerChooser(ChooserSeen& seen, const std::wstring& name) {
    const HWND chooser = WaitForWindow(L"#32770", L"画像の選択");
    if (!chooser) return;
    // Visible comes before ready: wait until it knows its folder.
    wchar_t folder[MAX_PATH] = {};
    for (int i = 0; i < 250 && ::SendMessageW(chooser, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder)) <= 1; ++i)
        ::Sleep(20);
    ::Sleep(200);
    seen.folder = folder;
    seen.filter = TextOf(::GetDlgItem(chooser, cmb1));
    if (name.empty()) {
        ::PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    ::SetWindowTextW(::GetDlgItem(chooser, cmb13), name.c_str());
    ::PostMessageW(chooser, WM_COMMAND, IDOK, 0);
}

TEST_F(SettingsDialog, TheChooserOpensInTheProgramFolderAndReturnsTheChosenFileWhole) {
    const std::wstring name = L"選んだ 絵 😀.bmp";
    testing_pictures::WriteFile(ProgramDirectory() + L"\\" + name, testing_pictures::Bmp24({1, 1, {0}}));
    Form2 dialog(store, main);
    dialog.Intoform();
    ChooserSeen seen;
    {
        Driver driver([&] { AnswerChooser(seen, name); });
        dialog.Command1_Click();
    }
    EXPECT_EQ(seen.folder, ProgramDirectory());
    EXPECT_EQ(seen.filter, L"画像ﾌｧｲﾙ");
    EXPECT_EQ(TextOf(dialog.Control(ControlName::Text1)), ProgramDirectory() + L"\\" + name);

    ::SetWindowTextW(dialog.Control(ControlName::Text1), L"");
    {
        Driver driver([&] { AnswerChooser(seen, L""); });
        dialog.Command1_Click();
    }
    EXPECT_EQ(TextOf(dialog.Control(ControlName::Text1)), L"") << "a cancel leaves the text as it was";

    std::wstring result = L"unset";
    {
        Driver driver([&] { AnswerChooser(seen, L""); });
        result = ShowOpenFileDialog(main, std::wstring(L"画像ﾌｧｲﾙ\0*.bmp\0", 15), ProgramDirectory(), L"画像の選択");
    }
    EXPECT_EQ(result, L"");
}

}  // namespace
}  // namespace rublet
