// A drop of 1,000 files into the Recycle Bin: the time the program spends
// on it outside the shell's own call (reading the drop, the checks, the
// path list, the look afterwards; no message, no sound) against the shell
// call. Five rounds; prints the medians and their ratio, the time one open
// of each item takes, and one open with the final path of each item, which
// the look at links costs under Wine, and what is left beyond it.
// Beside it, on the same drops, the reading alone: one walk of the block
// (ReadDroppedPaths) against DragQueryFileW for each path, as the drop was
// read before, and the time outside the shell call that reading would give.
#include <windows.h>

#include <chrono>
#include <functional>
#include <cstdio>
#include <string>
#include <vector>

#include "bench.h"
#include "drop/hook.h"
#include "drop/shell_file_system.h"
#include "support.h"

namespace {

using Clock = std::chrono::steady_clock;
double Since(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

// The real file system, with the shell's call timed.
class TimedFileSystem final : public rublet::DropFileSystem {
public:
    rublet::ShellResult DeleteFiles(const std::wstring& sourceList, unsigned flags) override {
        const auto start = Clock::now();
        const rublet::ShellResult result = files_.DeleteFiles(sourceList, flags);
        shellMs += Since(start);
        return result;
    }
    std::vector<rublet::FolderEntry> FolderEntries(const std::wstring& folder) override {
        return files_.FolderEntries(folder);
    }
    std::optional<std::wstring> FinalPath(const std::wstring& path) override { return files_.FinalPath(path); }
    bool InUse(const std::wstring& path) override { return files_.InUse(path); }
    bool ShellFollowsLinks() override { return files_.ShellFollowsLinks(); }
    std::vector<std::wstring> RedirectedFolders() override { return files_.RedirectedFolders(); }
    double shellMs = 0;

private:
    rublet::ShellFileSystem files_;
};

// Every step at once, on this thread; every question answered OK.
struct AtOnce final : rublet::DropSteps, rublet::DropUser {
    void OnWorker(std::function<void()> work, std::function<void(bool)> then) override {
        work();
        then(true);
    }
    int ShowMessage(std::wstring_view, unsigned, std::wstring_view) override { return rublet::box::IdOk; }
    void PlayEventSound() override {}
};

// The median time of `read` on the drop, over 5 reads.
double ReadMs(HDROP drop, std::vector<std::wstring> (*read)(HDROP), const std::vector<std::wstring>& expected) {
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        const bool same = read(drop) == expected;
        times.push_back(Since(start));
        if (!same) std::fputs("drop_bench: a reading differs from the paths dropped\n", stderr);
    }
    return bench::Median(times);
}

}  // namespace

using bench::Median;

int wmain() {
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    rublet::HookWindow(window);
    // To the Recycle Bin; no question, message or sound.
    rublet::SettingsRecord settings;
    settings.Option1 = settings.Option2 = settings.Option3 = settings.Option5 = 0;
    std::vector<double> outside, shell, walk, each, opens, finals;
    for (int round = 0; round < 5; ++round) {
        const std::wstring folder = L"T:\\drop-bench-" + std::to_wstring(round);
        ::CreateDirectoryW(folder.c_str(), nullptr);
        std::vector<std::wstring> paths;
        for (int i = 0; i < 1000; ++i) {
            paths.push_back(folder + L"\\file " + std::to_wstring(i) + L".txt");
            rublet::testing_support::WriteEmptyFile(paths.back());
        }
        const HDROP drop = rublet::testing_support::MakeDrop(paths);
        walk.push_back(ReadMs(drop, &rublet::ReadDroppedPaths, paths));
        // The least a look can cost where a link to a file lists as a plain
        // file (Wine): one open of each item.
        const auto opening = Clock::now();
        for (const std::wstring& path : paths)
            ::CloseHandle(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        opens.push_back(Since(opening));
        // What the look makes of each item where the shell follows links:
        // one open and the final path the handle names.
        const auto naming = Clock::now();
        for (const std::wstring& path : paths) static_cast<void>(rublet::ShellFileSystem().FinalPath(path));
        finals.push_back(Since(naming));
        each.push_back(ReadMs(drop, &rublet::QueryDroppedPaths, paths));
        const auto start = Clock::now();
        ::SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        TimedFileSystem files;
        AtOnce steps;
        rublet::ProcessDroppedFiles(settings, rublet::DroppedFiles, files, steps, steps, [](bool) {});
        const double total = Since(start);
        shell.push_back(files.shellMs);
        outside.push_back(total - files.shellMs);
    }
    std::printf("a drop of 1000 files into the Recycle Bin, 5 rounds: outside the shell call %.1f ms, the shell "
                "call %.1f ms (medians); %.2f %%\n", Median(outside), Median(shell), 100 * Median(outside) / Median(shell));
    std::printf("one open and close of each item %.1f ms (median), %.2f %% of the shell call\n", Median(opens),
                100 * Median(opens) / Median(shell));
    std::printf("one open and the final path of each item %.1f ms (median), %.2f %% of the shell call; beyond it, "
                "outside the shell call %.2f %%\n", Median(finals), 100 * Median(finals) / Median(shell),
                100 * (Median(outside) - Median(finals)) / Median(shell));
    const double before = Median(outside) - Median(walk) + Median(each);
    std::printf("reading the drop: one walk of the block %.3f ms, DragQueryFileW for each path %.1f ms (medians); "
                "outside the shell call with the latter %.1f ms, %.2f %%\n",
                Median(walk), Median(each), before, 100 * before / Median(shell));
    return 0;
}
