#include "drop/hook.h"

#include <gtest/gtest.h>

#include "drop/drop_processing.h"
#include "drop/event_sound.h"
#include "layouts/names.h"
#include "drop_helpers.h"

namespace rublet {
namespace {

using testing_drops::IsReleased;
using testing_drops::MakeDrop;

// The window's own procedure: records what reaches it.
std::vector<UINT> received;
LRESULT CALLBACK TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER || message == WM_DROPFILES) received.push_back(message);
    if (message == WM_USER + 1) return 1234;
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

class HookedWindow : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &TargetProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"RubletHookTarget";
        ::RegisterClassW(&windowClass);
        hwnd = ::CreateWindowExW(0, L"RubletHookTarget", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 windowClass.hInstance, nullptr);
        received.clear();
        DroppedFiles.clear();
        DropPending = 0;
        HookWindow(hwnd);
    }
    void TearDown() override {
        UnhookWindow(hwnd);
        ::DestroyWindow(hwnd);
    }
    std::vector<std::wstring> Drop(const std::vector<std::wstring>& paths) {
        HDROP drop = MakeDrop(paths);
        EXPECT_FALSE(IsReleased(drop));
        EXPECT_EQ(::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0), 0);
        EXPECT_TRUE(IsReleased(drop)) << "the drop handle is released once read";
        return DroppedFiles;
    }
    HWND hwnd = nullptr;
};

TEST_F(HookedWindow, CollectsADropWholeAndRaisesThePendingFlag) {
    EXPECT_EQ(Drop({L"T:\\drops\\ごみ 😀 file.txt"}), (std::vector<std::wstring>{L"T:\\drops\\ごみ 😀 file.txt"}));
    EXPECT_EQ(DropPending, -1);
    EXPECT_TRUE(received.empty()) << "the drop is consumed";
}

TEST_F(HookedWindow, ALongPathFollowedByAShorterOneKeepsEachExactly) {
    const std::wstring longPath = L"T:\\" + std::wstring(40, L'd') + L"\\" + std::wstring(300, L'長') + L".txt";
    const std::vector<std::wstring> paths = {longPath, L"T:\\a", L"T:\\folder", L"T:\\b.doc"};
    EXPECT_EQ(Drop(paths), paths);
    EXPECT_EQ(DroppedFiles[0].size(), longPath.size());
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

    UnhookWindow(hwnd);
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&TargetProc));
    EXPECT_EQ(PrevWndProc, nullptr);
    UnhookWindow(hwnd);
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&TargetProc));

    HDROP drop = MakeDrop({L"T:\\x"});
    ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(DropPending, 0) << "without the hook nothing is collected";
    ::DragFinish(drop);
}

class EventSound : public testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"AppEvents\\Schemes\\Apps\\.Default\\EmptyRecycleBin"); }
    void TearDown() override { SetUp(); }
    static void Store(DWORD type, const std::wstring& value) {
        HKEY key = nullptr;
        ::RegCreateKeyExW(HKEY_CURRENT_USER, std::wstring(names::EmptyRecycleBinSoundKey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        ::RegSetValueExW(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(key);
    }
    static std::wstring Lookup() { return ReadRegString(HKEY_CURRENT_USER, names::EmptyRecycleBinSoundKey, L""); }
};

TEST_F(EventSound, TheStoredNameIsReturnedExactly) {
    EXPECT_EQ(Lookup(), L"") << "a missing key";
    Store(REG_SZ, L"");
    EXPECT_EQ(Lookup(), L"");
    Store(REG_SZ, L"C:\\音\\empty bin.wav");
    EXPECT_EQ(Lookup(), L"C:\\音\\empty bin.wav");
    const std::wstring longName = L"C:\\" + std::wstring(3000, L's') + L".wav";
    Store(REG_SZ, longName);
    EXPECT_EQ(Lookup(), longName) << "beyond 1024 bytes";
}

TEST_F(EventSound, AnExpandableNameIsReturnedAsStoredAndExpandedForPlaying) {
    Store(REG_EXPAND_SZ, L"%SystemRoot%\\media\\Windows Recycle.wav");
    EXPECT_EQ(Lookup(), L"%SystemRoot%\\media\\Windows Recycle.wav");
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    EXPECT_EQ(ExpandEnvironment(Lookup()), std::wstring(windows) + L"\\media\\Windows Recycle.wav");
    EXPECT_EQ(ExpandEnvironment(L"plain.wav"), L"plain.wav");
}

}  // namespace
}  // namespace rublet
