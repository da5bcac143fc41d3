#include "drop/hook.h"

#include <gtest/gtest.h>

#include "main_window/form1.h"
#include "platform/registry_settings_store.h"
#include "support.h"

namespace rublet {
namespace {

using testing_support::FreesDrop;
using testing_support::MakeDrop;

// The window's own procedure: counts the drops that reach it.
int reached = 0;
LRESULT CALLBACK TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) ++reached, ::DragFinish(reinterpret_cast<HDROP>(wParam));
    return message == WM_USER ? 1234 : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// One window hooked as the main window is: the latest drop kept for one tick,
// consumed and released; a block cut short read as no paths; resuming
// discards a drop not taken; hooking and unhooking twice change nothing.
TEST(Hook, KeepsTheLatestDropForOneTickConsumesItAndReleasesIt) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &TargetProc, windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"RubletHookTarget";
    ::RegisterClassW(&windowClass);
    const HWND hwnd = ::CreateWindowExW(0, L"RubletHookTarget", L"", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    const auto drop = [&](HDROP block) { ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0); };
    ResumeDropHandling(hwnd);
    drop(MakeDrop({L"T:\\one", L"T:\\two", L"T:\\three"}));
    drop(MakeDrop({L"T:\\four"}));
    EXPECT_EQ(DroppedFiles, (std::vector<std::wstring>{L"T:\\four"}));
    EXPECT_EQ(reached, 0) << "the drops are consumed";
    EXPECT_TRUE(TakePendingDrop());
    EXPECT_FALSE(TakePendingDrop());
    EXPECT_TRUE(FreesDrop({L"T:\\x"}, drop));
    const HGLOBAL cut = ::GlobalAlloc(GMEM_FIXED, sizeof(DROPFILES) + 5);
    ::FillMemory(cut, ::GlobalSize(cut), 0x41);  // a path with no end, to the memory's last byte
    *static_cast<DROPFILES*>(cut) = {sizeof(DROPFILES), {0, 0}, FALSE, TRUE};
    drop(static_cast<HDROP>(cut));
    EXPECT_EQ(DroppedFiles, std::vector<std::wstring>{}) << "a block cut short within its memory gives nothing";
    SuspendDropHandling(hwnd);
    ResumeDropHandling(hwnd);
    EXPECT_FALSE(TakePendingDrop()) << "resuming discards a drop not yet taken";

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
    EXPECT_TRUE(FreesDrop({kept}, [&](HDROP drop) {
        // Both are queued before the timer can tick.
        ::PostMessageW(form->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        ::PostMessageW(form->hwnd(), WM_CLOSE, 0, 0);
        const HWND hwnd = form->hwnd();
        const UINT_PTR bound = ::SetTimer(nullptr, 0, 20000, nullptr);  // the thread's own timer bounds the wait
        MSG message;
        while (::GetMessageW(&message, nullptr, 0, 0) > 0 && (message.hwnd || message.message != WM_TIMER))
            ::DispatchMessageW(&message);  // until the window's end posts the quit
        ::KillTimer(nullptr, bound);
        EXPECT_FALSE(::IsWindow(hwnd));
    }));
    EXPECT_EQ(PrevWndProc, nullptr);
    EXPECT_NE(::GetFileAttributesW(kept.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(store.Read(L"Rublet", L"setting", L"Defleft").has_value());
    ::DeleteFileW(kept.c_str());
}

}  // namespace
}  // namespace rublet
