#include "drop/hook.h"

#include "drop/drop_handling.h"
#include "platform/window/ui_tasks.h"

#include <gtest/gtest.h>

#include "support.h"

namespace {
using namespace rublet;
using testing_support::MakeDrop;

// The window's own procedure: counts the drops that reach it.
int reached = 0;
LRESULT CALLBACK TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) ++reached, ::DragFinish(reinterpret_cast<HDROP>(wParam));
    return message == WM_USER ? 1234 : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// One window hooked as the main window is: a block cut short read as no
// paths; the latest drop kept for one tick, consumed and taken once; hooking
// twice changes nothing; the handling stays down while any hold is kept.
TEST(Hook, KeepsTheLatestDropForOneTickAndConsumesIt) {
    const HWND hwnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TargetProc));
    const auto drop = [&](HDROP block) { ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0); };
    UiTasks tasks;
    DropHandling handling(hwnd, tasks, [](bool) {}, [] { return true; });
    drop(MakeDrop({L"T:\\early"}));
    EXPECT_EQ(reached, 1) << "down until released";
    handling.Release();
    const HGLOBAL cut = ::GlobalAlloc(GMEM_FIXED, sizeof(DROPFILES) + 5);
    ::FillMemory(cut, ::GlobalSize(cut), 0x41);  // a path with no end, to the memory's last byte
    *static_cast<DROPFILES*>(cut) = {sizeof(DROPFILES), {0, 0}, FALSE, TRUE};
    drop(static_cast<HDROP>(cut));
    EXPECT_EQ(DroppedFiles, std::vector<std::wstring>{}) << "a block cut short within its memory gives nothing";
    drop(MakeDrop({L"T:\\one", L"T:\\two", L"T:\\three"}));
    drop(MakeDrop({L"T:\\four"}));
    EXPECT_EQ(DroppedFiles, (std::vector<std::wstring>{L"T:\\four"}));
    EXPECT_EQ(reached, 1) << "the drops are consumed";
    EXPECT_TRUE(handling.TakePendingDrop());
    EXPECT_FALSE(handling.TakePendingDrop());

    const LONG_PTR hooked = ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    HookWindow(hwnd);
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC), hooked);
    EXPECT_EQ(::SendMessageW(hwnd, WM_USER, 0, 0), 1234) << "no endless recursion";
    handling.Hold();
    handling.Hold();
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&TargetProc));
    handling.Release();
    drop(MakeDrop({L"T:\\x"}));
    EXPECT_EQ(reached, 2) << "one hold is still kept";
    EXPECT_FALSE(handling.TakePendingDrop()) << "without the hook nothing is collected";
    handling.Release();
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC), hooked);
    ::DestroyWindow(hwnd);
}

}  // namespace
