// Start-up against the least a Win32 program does: each is started, waited
// for until its window shows, closed with WM_CLOSE and waited for until it
// has ended; the two alternate, 20 runs each. Prints each one's median and
// their ratio.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

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

double Cycle(const std::wstring& program) {
    const auto start = std::chrono::steady_clock::now();
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return -1;
    Search search{info.dwProcessId};
    while (!search.found && ::WaitForSingleObject(info.hProcess, 1) == WAIT_TIMEOUT)
        ::EnumWindows(&Visible, reinterpret_cast<LPARAM>(&search));
    ::PostMessageW(search.found, WM_CLOSE, 0, 0);
    ::WaitForSingleObject(info.hProcess, INFINITE);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

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
