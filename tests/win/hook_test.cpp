#include "drop/hook.h"

#include <gtest/gtest.h>

#include "main_window/form1.h"
#include "settings/registry_settings_store.h"
#include "support.h"

namespace {
using namespace rublet;
using testing_support::CommittedBytes, testing_support::MakeDrop;

// The window's own procedure: counts the drops that reach it.
int reached = 0;
LRESULT CALLBACK TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) ++reached, ::DragFinish(reinterpret_cast<HDROP>(wParam));
    return message == WM_USER ? 1234 : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// One window hooked as the main window is: a block cut short read as no
// paths; the latest drop kept for one tick, consumed and taken once; hooking
// and unhooking twice change nothing.
TEST(Hook, KeepsTheLatestDropForOneTickAndConsumesIt) {
    const HWND hwnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TargetProc));
    const auto drop = [&](HDROP block) { ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0); };
    ResumeDropHandling(hwnd);
    const HGLOBAL cut = ::GlobalAlloc(GMEM_FIXED, sizeof(DROPFILES) + 5);
    ::FillMemory(cut, ::GlobalSize(cut), 0x41);  // a path with no end, to the memory's last byte
    *static_cast<DROPFILES*>(cut) = {sizeof(DROPFILES), {0, 0}, FALSE, TRUE};
    drop(static_cast<HDROP>(cut));
    EXPECT_EQ(DroppedFiles, std::vector<std::wstring>{}) << "a block cut short within its memory gives nothing";
    drop(MakeDrop({L"T:\\one", L"T:\\two", L"T:\\three"}));
    drop(MakeDrop({L"T:\\four"}));
    EXPECT_EQ(DroppedFiles, (std::vector<std::wstring>{L"T:\\four"}));
    EXPECT_EQ(reached, 0) << "the drops are consumed";
    EXPECT_TRUE(TakePendingDrop());
    EXPECT_FALSE(TakePendingDrop());

    const LONG_PTR hooked = ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    HookWindow(hwnd);
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC), hooked);
    EXPECT_EQ(::SendMessageW(hwnd, WM_USER, 0, 0), 1234) << "no endless recursion";
    for (int i = 0; i < 2; ++i) {
        SuspendDropHandling(hwnd);
        EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&TargetProc));
    }
    drop(MakeDrop({L"T:\\x"}));
    EXPECT_EQ(reached, 1);
    EXPECT_FALSE(TakePendingDrop()) << "without the hook nothing is collected";
    ::DestroyWindow(hwnd);
}

TEST(MainWindow, ClosedWithADropPendingNeverProcessesItAndReleasesIt) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
    RegistrySettingsStore store;
    for (const wchar_t* option : {L"Option2", L"Option3"}) store.Save(L"Rublet", L"setting", option, L"0");
    store.Save(L"Rublet", L"setting", L"Bmpdir", L"");  // the embedded bin, whatever lies beside the program
    auto form = Form1::Create(store);
    ASSERT_TRUE(form);
    const std::wstring kept = L"T:\\kept while closing.txt";
    testing_support::WriteEmptyFile(kept);
    // The drop carries 64 MB, which the commit charge shows until it is freed.
    constexpr SIZE_T Ballast = 64 << 20;
    const SIZE_T before = CommittedBytes(::GetCurrentProcess());
    const HWND hwnd = form->hwnd();
    ::PostMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({kept}, Ballast)), 0);
    ASSERT_GT(CommittedBytes(::GetCurrentProcess()), before + Ballast / 2)
        << "a measure blind to the ballast proves nothing";
    ::PostMessageW(hwnd, WM_CLOSE, 0, 0);  // both queued before the timer can tick
    const UINT_PTR bound = ::SetTimer(nullptr, 0, 20000, nullptr);  // the thread's own timer bounds the wait
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0 && (message.hwnd || message.message != WM_TIMER))
        ::DispatchMessageW(&message);  // until the window's end posts the quit
    ::KillTimer(nullptr, bound);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_LT(CommittedBytes(::GetCurrentProcess()), before + Ballast / 2) << "the drop is released";
    EXPECT_EQ(PrevWndProc, nullptr);
    EXPECT_NE(::GetFileAttributesW(kept.c_str()), INVALID_FILE_ATTRIBUTES);
    ::DeleteFileW(kept.c_str());
}

}  // namespace
