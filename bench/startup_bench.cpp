// Start-up against the least a Win32 program does: each is started, waited
// for until its window shows, closed with WM_CLOSE and waited for until it
// has ended; the two alternate, 20 runs each. Prints each one's median and
// their ratio.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench.h"

namespace {

struct Search {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK Visible(HWND hwnd, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->process || !::IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

double Cycle(const std::wstring& path) {
    const auto start = std::chrono::steady_clock::now();
    const bench::StartedProgram program = bench::StartProgram(path);
    if (!program.Process) return -1;
    Search search{program.Id};
    while (!search.found && ::WaitForSingleObject(program.Process.get(), 1) == WAIT_TIMEOUT)
        ::EnumWindows(&Visible, reinterpret_cast<LPARAM>(&search));
    bench::CloseAndWait(program, search.found);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

using bench::Median;

// startup_bench [PROGRAM [YARDSTICK]]: Rublet.exe and minimal_window.exe
// of the bench's own folder unless named.
int wmain(int argc, wchar_t** argv) {
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring folder = std::wstring(path).substr(0, std::wstring(path).rfind(L'\\') + 1);
    const std::wstring program = folder + (argc > 1 ? argv[1] : L"Rublet.exe");
    const std::wstring yardstick = folder + (argc > 2 ? argv[2] : L"minimal_window.exe");
    std::vector<double> programTimes, yardstickTimes;
    Cycle(program);  // the first run of each pays for loading from disk
    Cycle(yardstick);
    for (int run = 0; run < 20; ++run) {
        programTimes.push_back(Cycle(program));
        yardstickTimes.push_back(Cycle(yardstick));
    }
    std::printf("start-up, 20 runs each, alternating: %ls %.1f ms, %ls %.1f ms (medians); ratio %.2f\n",
                program.substr(folder.size()).c_str(), Median(programTimes), yardstick.substr(folder.size()).c_str(),
                Median(yardstickTimes), Median(programTimes) / Median(yardstickTimes));
    return 0;
}
