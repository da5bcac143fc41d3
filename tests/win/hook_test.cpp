#include "drop/hook.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include "main_window/form1.h"
#include "platform/registry_settings_store.h"
#include "support.h"

namespace rublet {
namespace {

using testing_support::MakeDrop;

// The window's own procedure: records what reaches it.
std::vector<UINT> received;
LRESULT CALLBACK TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER || message == WM_DROPFILES) received.push_back(message);
    if (message == WM_DROPFILES) ::DragFinish(reinterpret_cast<HDROP>(wParam));
    return message == WM_USER + 1 ? 1234 : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

class HookedWindow : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &TargetProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"RubletHookTarget";
        ::RegisterClassW(&windowClass);
        hwnd = ::CreateWindowExW(0, L"RubletHookTarget", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        received.clear();
        DroppedFiles.clear();
        ResumeDropHandling(hwnd);
    }
    void TearDown() override {
        SuspendDropHandling(hwnd);
        ::DestroyWindow(hwnd);
    }
    std::vector<std::wstring> Drop(const std::vector<std::wstring>& paths) {
        ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
        return DroppedFiles;
    }
    HWND hwnd = nullptr;
};

TEST_F(HookedWindow, OfTwoDropsBeforeATickOnlyTheSecondRemainsAndIsTakenOnce) {
    Drop({L"T:\\one", L"T:\\two", L"T:\\three"});
    EXPECT_EQ(Drop({L"T:\\four"}), (std::vector<std::wstring>{L"T:\\four"}));
    EXPECT_EQ(DroppedFiles.size(), 1u);
    EXPECT_TRUE(received.empty()) << "the drops are consumed";
    EXPECT_TRUE(TakePendingDrop());
    EXPECT_FALSE(TakePendingDrop());
}

TEST_F(HookedWindow, HookingTwiceOrUnhookingTwiceChangesNothing) {
    const LONG_PTR hooked = ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    HookWindow(hwnd);
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC), hooked);
    EXPECT_EQ(::SendMessageW(hwnd, WM_USER + 1, 0, 0), 1234) << "no endless recursion";
    for (int i = 0; i < 2; ++i) {
        SuspendDropHandling(hwnd);
        EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&TargetProc));
    }
    Drop({L"T:\\x"});
    EXPECT_FALSE(TakePendingDrop()) << "without the hook nothing is collected";
}

TEST_F(HookedWindow, ReleasesEveryDropItReads) {
    EXPECT_TRUE(testing_support::FreesDrop({L"T:\\x"}, [&](HDROP drop) {
        ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    }));
}

TEST_F(HookedWindow, ResumingDiscardsADropNotYetTaken) {
    Drop({L"T:\\x"});
    SuspendDropHandling(hwnd);
    ResumeDropHandling(hwnd);
    EXPECT_FALSE(TakePendingDrop());
}

TEST(MainWindow, ClosedWithADropPendingNeverProcessesItAndReleasesIt) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
    RegistrySettingsStore store;
    store.Save(L"Rublet", L"setting", L"Option2", L"0");
    store.Save(L"Rublet", L"setting", L"Option3", L"0");
    store.Save(L"Rublet", L"setting", L"Bmpdir", L"");  // the embedded bin, whatever lies beside the program
    auto form = Form1::Create(store);
    ASSERT_TRUE(form);
    const std::wstring kept = L"T:\\kept while closing.txt";
    testing_support::WriteEmptyFile(kept);
    EXPECT_TRUE(testing_support::FreesDrop({kept}, [&](HDROP drop) {
        // Both are queued before the timer can tick.
        ::PostMessageW(form->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        ::PostMessageW(form->hwnd(), WM_CLOSE, 0, 0);
        const HWND hwnd = form->hwnd();
        EXPECT_TRUE(testing_support::WaitUntil([&] { return !::IsWindow(hwnd); }));
    }));
    EXPECT_EQ(PrevWndProc, nullptr);
    EXPECT_NE(::GetFileAttributesW(kept.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(store.Read(L"Rublet", L"setting", L"Defleft").has_value());
    ::DeleteFileW(kept.c_str());
}

TEST(DroppedPaths, ABlockCutShortWithinItsMemoryGivesNothing) {
    const DROPFILES header{sizeof header, {0, 0}, FALSE, TRUE};
    const HGLOBAL cut = ::GlobalAlloc(GMEM_MOVEABLE, sizeof header + 5);
    auto* bytes = static_cast<BYTE*>(::GlobalLock(cut));
    ::FillMemory(bytes, ::GlobalSize(cut), 0x41);  // a path with no end, to the memory's last byte
    ::CopyMemory(bytes, &header, sizeof header);
    ::GlobalUnlock(cut);
    EXPECT_TRUE(ReadDroppedPaths(static_cast<HDROP>(cut)).empty());
    ::GlobalFree(cut);
}

}  // namespace
}  // namespace rublet
