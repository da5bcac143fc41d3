// The Recycle Bin menu on the real main window against the real shell.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <thread>

#include "drop/drop_processing.h"
#include "drop/hook.h"
#include "drop_helpers.h"
#include "main_window/form1.h"
#include "platform/registry_settings_store.h"
#include "recycle_menu/recycle_bin.h"

namespace rublet {
namespace {

using testing_drops::BoxAnswerer;
using testing_drops::PumpUntil;
using testing_drops::VisibleWindowOf;

constexpr UINT MenuGetHmenu = 0x01E1;  // MN_GETHMENU

void WriteBytes(const std::wstring& path, std::size_t size) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const std::string bytes(size, 'x');
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

class RecycleMenu : public testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
        for (const wchar_t* key : {L"Option1", L"Option2", L"Option3", L"Option5"})
            store.Save(L"Rublet", L"setting", key, L"0");
        // An empty Recycle Bin to start from: the sandbox's trash cleared
        // directly, since the shell leaves folders that earlier tests put there.
        SHFILEOPSTRUCTW clear{};
        clear.wFunc = FO_DELETE;
        clear.pFrom = L"T:\\xdg-data\\Trash\\files\\*\0T:\\xdg-data\\Trash\\info\\*\0";
        clear.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
        ::SHFileOperationW(&clear);
        ASSERT_EQ(TrashCount(), 0);
        folder = L"T:\\menus";
        ::CreateDirectoryW(folder.c_str(), nullptr);
        form = Form1::Create(store);
        ASSERT_TRUE(form);
    }
    void TearDown() override {
        ::SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
        testing_drops::PumpMessages(50);
    }

    // Double-clicks the bin; a second thread reads the menu's first line
    // and then presses the given keys in the menu.
    std::wstring DoubleClick(std::vector<WPARAM> keys = {VK_ESCAPE}) {
        std::wstring firstLine;
        std::thread driver([&] {
            HWND menu = nullptr;
            for (int i = 0; i < 250 && !(menu = VisibleWindowOf(::GetCurrentProcessId(), L"#32768")); ++i) ::Sleep(20);
            if (!menu) return;
            wchar_t text[256] = {};
            ::GetMenuStringW(reinterpret_cast<HMENU>(::SendMessageW(menu, MenuGetHmenu, 0, 0)), 0, text, 256,
                             MF_BYPOSITION);
            firstLine = text;
            for (const WPARAM key : keys) {
                ::PostMessageW(menu, WM_KEYDOWN, key, 0);
                ::Sleep(100);
            }
        });
        ::SendMessageW(form->hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(16, 16));
        driver.join();
        return firstLine;
    }
    void Drop(const std::vector<std::wstring>& paths) {
        bool processed = false;
        testing_drops::DropOnMainWindowAndWait(form->hwnd(), paths, processed);
        EXPECT_TRUE(processed);
    }

    RegistrySettingsStore store;
    std::unique_ptr<Form1> form;
    std::wstring folder;
};

TEST_F(RecycleMenu, TheStatusLineIsRebuiltFromTheShellOnEveryDoubleClick) {
    EXPECT_EQ(DoubleClick(), L"空っぽ");
    WriteBytes(folder + L"\\one MB.bin", 1048576);
    WriteBytes(folder + L"\\half MB.bin", 524288);
    Drop({folder + L"\\one MB.bin", folder + L"\\half MB.bin"});
    EXPECT_EQ(DoubleClick(), L"2個のｵﾌﾞｼﾞｪｸﾄ(1.5MB)");
    WriteBytes(folder + L"\\small.bin", 5243);
    Drop({folder + L"\\small.bin"});
    EXPECT_EQ(DoubleClick(), L"3個のｵﾌﾞｼﾞｪｸﾄ(1.51MB)") << "1,578,107 bytes";
}

TEST_F(RecycleMenu, EmptyingThroughTheMenuAsksTheShellAndDropsWorkAfterwards) {
    WriteBytes(folder + L"\\first.bin", 100);
    Drop({folder + L"\\first.bin"});
    ASSERT_EQ(TrashCount(), 1);
    {
        BoxAnswerer answerer(IDYES);
        // Up from no selection is the last item, "ゴミ箱を空にする".
        EXPECT_EQ(DoubleClick({VK_UP, VK_RETURN}), L"1個のｵﾌﾞｼﾞｪｸﾄ(0MB)");
        EXPECT_TRUE(PumpUntil([](const void*) { return TrashCount() == 0; }, nullptr, 10000));
        EXPECT_EQ(answerer.Seen().size(), 1u) << "the shell's own confirmation";
    }
    EXPECT_NE(PrevWndProc, nullptr) << "the hook is back";
    WriteBytes(folder + L"\\second.bin", 100);
    Drop({folder + L"\\second.bin"});
    EXPECT_EQ(TrashCount(), 1);
    EXPECT_EQ(::GetFileAttributesW((folder + L"\\second.bin").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace rublet
