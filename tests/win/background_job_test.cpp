#include "platform/window/background_job.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "drop/shell_file_system.h"
#include "recycle_bin/empty_recycle_bin.h"
#include "recycle_bin/recycle_bin_look.h"
#include "support.h"

namespace {
using namespace rublet;

// Runs this thread's messages until `done` or `limitMs` have passed.
template <class Done>
bool PumpUntil(Done done, ULONGLONG limitMs = 10000) {
    const ULONGLONG end = ::GetTickCount64() + limitMs;
    MSG message;
    while (!done() && ::GetTickCount64() < end) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
    }
    return done();
}

// The work runs on a thread of its own, its end on the window's thread
// with the work's result; one job at a time.
TEST(BackgroundJob, RunsItsEndOnTheWindowsThreadWithTheWorksResult) {
    UiTasks tasks;
    BackgroundJob job(tasks);
    DWORD workThread = 0, endThread = 0;
    ASSERT_TRUE(job.Start([](const StopToken&) { return ::GetCurrentThreadId(); },
                          [&](DWORD worker) { workThread = worker, endThread = ::GetCurrentThreadId(); }));
    EXPECT_FALSE(job.Start([](const StopToken&) { return 0; }, [](int) {})) << "one job at a time";
    ASSERT_TRUE(PumpUntil([&] { return !job.Running(); }));
    EXPECT_NE(workThread, ::GetCurrentThreadId());
    EXPECT_EQ(endThread, ::GetCurrentThreadId());
}

// A ring the system refuses (a full queue) is rung again, from a worker
// and from the window's own thread, and every task runs.
std::atomic<int> refusals{0};
BOOL RefusingBell(HWND window, UINT message) { return refusals-- > 0 ? FALSE : ::PostMessageW(window, message, 0, 0); }

TEST(UiTasks, RingsAgainWhenTheSystemRefusesTheRing) {
    UiTasks tasks(&RefusingBell);
    int ran = 0;
    refusals = 3;
    std::thread([&] { EXPECT_TRUE(tasks.Post([&] { ++ran; })); }).join();
    EXPECT_EQ(tasks.RefusedRings(), 3u);
    EXPECT_TRUE(PumpUntil([&] { return ran == 1; }));
    refusals = 1;
    EXPECT_TRUE(tasks.Post([&] { ++ran; }));
    EXPECT_TRUE(PumpUntil([&] { return ran == 2; })) << "the window's own post, rung again by its timer";
    EXPECT_EQ(tasks.RefusedRings(), 4u);
}

// Its owner waits for the work; an end that had not run by then never runs.
// A stop asked for reaches the work between its items.
TEST(BackgroundJob, ItsOwnerWaitsForTheWorkAndItsEndGoesWithIt) {
    UiTasks tasks;
    std::atomic<bool> worked = false;
    bool endRan = false;
    {
        BackgroundJob job(tasks);
        ASSERT_TRUE(job.Start([&](const StopToken&) { return ::Sleep(300), worked = true, 0; }, [&](int) { endRan = true; }));
    }
    EXPECT_TRUE(worked);
    PumpUntil([] { return false; }, 200);
    EXPECT_FALSE(endRan);

    BackgroundJob job(tasks);
    int items = 0;
    ASSERT_TRUE(job.Start(
        [](const StopToken& stop) {
            int done = 0;
            for (; done < 1000 && !stop.StopRequested(); ++done) ::Sleep(5);
            return done;
        },
        [&](int done) { items = done; }));
    ::Sleep(50);
    job.RequestStop();
    job.Wait();
    ASSERT_TRUE(PumpUntil([&] { return !job.Running(); }));
    EXPECT_GT(items, 0);
    EXPECT_LT(items, 1000);
}

// Under Wine a look holds each item's .trashinfo open without delete
// sharing: emptying meanwhile left such files behind, their items gone.
// Through the gate, looks and emptying take turns.
TEST(RecycleBinGate, EmptyingWhileLooksRunLeavesNoEntryBehind) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    RecycleBinGate gate;
    const std::wstring folder = L"T:\\gate";
    const std::wstring info = L"T:\\xdg-data\\Trash\\info";
    for (int round = 0; round < 3; ++round) {
        ::CreateDirectoryW(folder.c_str(), nullptr);
        std::wstring list;
        for (int i = 0; i < 300; ++i) {
            const std::wstring path = folder + L"\\" + std::to_wstring(round) + L"-" + std::to_wstring(i) + L".txt";
            testing_support::WriteEmptyFile(path);
            list += path + L'\0';
        }
        ASSERT_EQ(ShellFileSystem().DeleteFiles(list + L'\0', FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT).Code, 0);
        std::atomic<bool> looking = true;
        std::thread looks([&] {
            while (looking) static_cast<void>(LookAtRecycleBin(gate));
        });
        ::Sleep(50);
        EXPECT_TRUE(EmptyRecycleBin(gate, true));
        looking = false;
        looks.join();
        WIN32_FIND_DATAW found;
        const HANDLE search = ::FindFirstFileW((info + L"\\*.trashinfo").c_str(), &found);
        EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "left behind: " << testing::PrintToString(std::wstring(found.cFileName));
        if (search != INVALID_HANDLE_VALUE) ::FindClose(search);
    }
}

}  // namespace
