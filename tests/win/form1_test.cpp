#include "main_window/form1.h"

#include <gtest/gtest.h>

#include "drop/hook.h"
#include "memory_store.h"
#include "support.h"

using namespace rublet;
using testing_support::CommittedBytes, testing_support::MakeDrop;

TEST(MainWindow, ClosedWithADropPendingNeverProcessesItAndReleasesIt) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    testing_support::MemoryStore store;
    for (const wchar_t* option : {L"Option2", L"Option3"}) store.Set(option, L"0");
    store.Set(L"Bmpdir", L"");  // the embedded bin, whatever lies beside the program
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
