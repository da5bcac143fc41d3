#pragma once
// What the benchmarks share: the median of their runs, and a program started
// and ended as a user starts and ends it.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/system/handles.h"

namespace bench {

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A program started without arguments; its handles close with it. Empty
// when it did not start.
struct StartedProgram {
    rublet::UniqueKernelHandle Process;
    rublet::UniqueKernelHandle Thread;
    DWORD Id = 0;
};

inline StartedProgram StartProgram(const std::wstring& path) {
    std::wstring command = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return {};
    return {rublet::UniqueKernelHandle(info.hProcess), rublet::UniqueKernelHandle(info.hThread), info.dwProcessId};
}

// Asks the program's window to close and waits until the program has ended.
inline void CloseAndWait(const StartedProgram& program, HWND window) {
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ::WaitForSingleObject(program.Process.get(), INFINITE);
}

}  // namespace bench
