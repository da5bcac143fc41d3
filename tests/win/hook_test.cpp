#include "drop/hook.h"

#include <gtest/gtest.h>

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

TEST_F(HookedWindow, CollectsEveryPathWholeAndRaisesThePendingFlagOnce) {
    const std::wstring longPath = L"T:\\" + std::wstring(40, L'd') + L"\\" + std::wstring(300, L'長') + L".txt";
    const std::vector<std::wstring> paths = {longPath, L"T:\\a", L"T:\\フォルダ", L"T:\\ごみ 😀 file.txt"};
    EXPECT_EQ(Drop(paths), paths) << "a shorter path after a longer one holds nothing of it";
    EXPECT_TRUE(received.empty()) << "the drop is consumed";
    EXPECT_TRUE(TakePendingDrop());
    EXPECT_FALSE(TakePendingDrop());
}

TEST_F(HookedWindow, OfTwoDropsBeforeATickOnlyTheSecondRemains) {
    Drop({L"T:\\one", L"T:\\two", L"T:\\three"});
    EXPECT_EQ(Drop({L"T:\\four"}), (std::vector<std::wstring>{L"T:\\four"}));
    EXPECT_EQ(DroppedCount(), 1u);
}

TEST_F(HookedWindow, PassesEveryOtherMessageOnWithThePreviousResult) {
    EXPECT_EQ(::SendMessageW(hwnd, WM_USER + 1, 5, 6), 1234);
    EXPECT_EQ(received, (std::vector<UINT>{WM_USER + 1}));
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

}  // namespace
}  // namespace rublet
