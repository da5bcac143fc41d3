// Drops and the Recycle Bin menu on the real main window, processed by the
// real shell inside the sandbox, whose Recycle Bin is the freedesktop
// trash under T:\xdg-data.
#include "main_window/form1.h"

#include <gtest/gtest.h>

#include "drop/hook.h"
#include "platform/registry_settings_store.h"
#include "recycle_menu/recycle_bin.h"
#include "support.h"

namespace rublet {
namespace {

using namespace testing_support;

const std::wstring Trash = L"T:\\xdg-data\\Trash";
const std::wstring Folder = L"T:\\drops";
const std::wstring Deep = Folder + L"\\" + std::wstring(100, L'a') + L"\\" + std::wstring(100, L'b') + L"\\" +
                          std::wstring(100, L'c') + L"\\長い名前.txt";  // longer than MAX_PATH
const std::vector<std::wstring> Three = {Folder + L"\\ごみ 1.txt", Folder + L"\\😀 emoji.txt",
                                         Folder + L"\\フォルダ with space"};

void ClearTrash() {
    SHFILEOPSTRUCTW clear{};
    clear.wFunc = FO_DELETE;
    clear.pFrom = L"T:\\xdg-data\\Trash\\files\\*\0T:\\xdg-data\\Trash\\info\\*\0";
    clear.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ::SHFileOperationW(&clear);
}

class MainWindow : public testing::Test {
protected:
    void SetUp() override {
        RUBLET_SKIP_OUTSIDE_SANDBOX();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
        ClearTrash();
        for (std::size_t at = Folder.size(); at != std::wstring::npos; at = Deep.find(L'\\', at + 1))
            ::CreateDirectoryW((L"\\\\?\\" + Deep.substr(0, at)).c_str(), nullptr);
        ::CreateDirectoryW(Three[2].c_str(), nullptr);
        for (const std::wstring& file : {Three[0], Three[1], Three[2] + L"\\inner.txt", Folder + L"\\keep.txt", Deep})
            WriteFile(file, "contents of " + std::to_string(file.size()));
    }
    void TearDown() override {
        form.reset();
        MSG quit;  // the closed main window's WM_QUIT
        ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    void Start(const wchar_t* option1, const wchar_t* option2, const wchar_t* option3 = L"0") {
        for (const auto& [key, value] : {std::pair{L"Option1", option1}, {L"Option2", option2}, {L"Option3", option3},
                                         {L"Option5", L"0"}})
            store.Save(L"Rublet", L"setting", key, value);
        form = Form1::Create(store);
        ASSERT_TRUE(form);
    }
    // Drops and waits until the timer has taken the drop, processed it and
    // brought the hook back.
    void Drop(const std::vector<std::wstring>& paths) {
        DroppedFiles.clear();
        ::PostMessageW(form->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
        EXPECT_TRUE(WaitUntil([&] { return DroppedFiles == paths && DropPending == 0 && PrevWndProc; }));
    }

    RegistrySettingsStore store;
    std::unique_ptr<Form1> form;
};

enum class Outcome { Recycled, Deleted, Kept };

struct DropCase {
    const wchar_t *option1, *option2, *option3;
    std::vector<std::wstring> dropped;
    Outcome outcome;
    std::vector<std::wstring> boxes = {};
    int answer = IDOK;
};

class Drops : public MainWindow, public testing::WithParamInterface<DropCase> {};

TEST_P(Drops, ChangeExactlyTheDroppedItemsAsTheOptionsSay) {
    const DropCase& c = GetParam();
    Start(c.option1, c.option2, c.option3);
    const auto before = Listing(Folder);
    const auto trashBefore = Listing(Trash);
    {
        BoxAnswerer answerer(c.answer);
        Drop(c.dropped);
        EXPECT_EQ(answerer.Seen(), c.boxes);
    }
    auto expected = before;
    if (c.outcome != Outcome::Kept)
        std::erase_if(expected, [&](const auto& entry) {
            for (const std::wstring& path : c.dropped)
                if ((Folder + entry.first).rfind(path, 0) == 0) return true;
            return false;
        });
    EXPECT_EQ(Listing(Folder), expected);
    if (c.outcome != Outcome::Recycled) {
        EXPECT_EQ(Listing(Trash), trashBefore);
    }
    for (const std::wstring& path : c.dropped) {
        const std::wstring name = path.substr(path.rfind(L'\\'));
        EXPECT_EQ(Exists(Trash + L"\\files" + name) && Exists(Trash + L"\\info" + name + L".trashinfo"),
                  c.outcome == Outcome::Recycled);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, Drops,
    testing::Values(DropCase{L"0", L"0", L"0", Three, Outcome::Recycled}, DropCase{L"1", L"0", L"0", Three, Outcome::Deleted},
                    DropCase{L"1", L"0", L"0", {Deep}, Outcome::Deleted},
                    DropCase{L"0", L"1", L"1", Three, Outcome::Kept,
                             {L"RUblet|3個のファイルを「ｺﾞﾐ箱に移動」します\r\nよろしいですか？"}, IDCANCEL},
                    DropCase{L"2", L"1", L"1", Three, Outcome::Deleted,
                             {L"RUblet|3個のファイルを「削除」します\r\nよろしいですか？", L"Rublet|処理が完了しました"}},
                    DropCase{L"1", L"0", L"0", {Folder + L"\\keep.txt", L"T:\\"}, Outcome::Kept,
                             {L"Rublet|ドライブそのものは削除できません。\r\nT:\\"}}));

TEST_F(MainWindow, ADropWhileAMessageIsOpenIsLostAndReleased) {
    Start(L"1", L"1");
    const auto before = Listing(Folder);
    bool freed = false;
    {
        BoxAnswerer answerer(IDCANCEL, [&] {
            freed = FreesDrop({Folder + L"\\keep.txt"}, [&](HDROP drop) {
                ::SendMessageW(form->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
            });
        });
        Drop(Three);
        EXPECT_EQ(answerer.Seen().size(), 1u) << "the lost drop asks nothing";
    }
    EXPECT_TRUE(freed);
    EXPECT_EQ(DropPending, 0);
    EXPECT_EQ(Listing(Folder), before);
}

TEST_F(MainWindow, ClosingWithADropPendingNeverProcessesItAndStoresThePlace) {
    Start(L"1", L"0");
    const auto before = Listing(Folder);
    EXPECT_TRUE(FreesDrop(Three, [&](HDROP drop) {
        ::PostMessageW(form->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        ::PostMessageW(form->hwnd(), WM_CLOSE, 0, 0);
        const HWND hwnd = form->hwnd();
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hwnd); }));
    }));
    EXPECT_EQ(PrevWndProc, nullptr);
    EXPECT_EQ(Listing(Folder), before);
    EXPECT_TRUE(store.Read(L"Rublet", L"setting", L"Defleft").has_value());
}

TEST_F(MainWindow, TheRecycleBinMenuShowsAFreshStatusAndEmptiesTheBinWithTheShellsConfirmation) {
    Start(L"0", L"0");
    // Double-clicks the bin; a second thread reads the menu's first line,
    // then presses the keys in the menu.
    const auto doubleClick = [&](std::vector<WPARAM> keys) {
        std::wstring firstLine;
        std::thread driver([&] {
            HWND menu = nullptr;
            WaitUntil([&] { return (menu = VisibleWindowOf(::GetCurrentProcessId(), L"#32768")) != nullptr; }, 5000);
            wchar_t text[256] = {};
            constexpr UINT MenuGetHmenu = 0x01E1;  // MN_GETHMENU
            ::GetMenuStringW(reinterpret_cast<HMENU>(::SendMessageW(menu, MenuGetHmenu, 0, 0)), 0, text, 256, MF_BYPOSITION);
            firstLine = text;
            for (const WPARAM key : keys) {
                ::PostMessageW(menu, WM_KEYDOWN, key, 0);
                ::Sleep(100);
            }
        });
        ::SendMessageW(form->hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(16, 16));
        driver.join();
        return firstLine;
    };
    EXPECT_EQ(doubleClick({VK_ESCAPE}), L"空っぽ");
    WriteFile(Folder + L"\\one MB.bin", std::string(1048576, 'x'));
    WriteFile(Folder + L"\\half MB.bin", std::string(524288, 'x'));
    Drop({Folder + L"\\one MB.bin", Folder + L"\\half MB.bin"});
    EXPECT_EQ(doubleClick({VK_ESCAPE}), L"2個のｵﾌﾞｼﾞｪｸﾄ(1.5MB)");
    WriteFile(Folder + L"\\small.bin", std::string(5243, 'x'));
    Drop({Folder + L"\\small.bin"});
    {
        BoxAnswerer answerer(IDYES);
        // Up from no selection is the last item, "ゴミ箱を空にする".
        EXPECT_EQ(doubleClick({VK_UP, VK_RETURN}), L"3個のｵﾌﾞｼﾞｪｸﾄ(1.51MB)") << "1,578,107 bytes";
        EXPECT_TRUE(WaitUntil([] { return TrashCount() == 0; }, 10000));
        EXPECT_EQ(answerer.Seen().size(), 1u) << "the shell's own confirmation";
    }
    Drop({Three[0]});
    EXPECT_EQ(TrashCount(), 1) << "drops work again after the emptying";
}

}  // namespace
}  // namespace rublet
