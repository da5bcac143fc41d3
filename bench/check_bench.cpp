// What the bin's look at the Recycle Bin costs while it sits idle, with
// 5,000 items in the Recycle Bin: the processor time of Rublet.exe showing
// a picture with a "_full" twin (so it looks at the Recycle Bin by itself)
// against one without (so it never looks). The two alternate, 3 rounds of
// a minute each (check_bench SECONDS for shorter ones); prints the medians
// and their difference, and what one SHQueryRecycleBinW takes, which a look
// every 2 seconds would cost 30 times a minute.
// Writes the registry and fills and empties the Recycle Bin: run it only
// in the prefix of scripts/wine-sandbox (scripts/bench does).
#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "bench.h"
#include "layouts/names.h"
#include "platform/handles.h"
#include "support.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Items = 5000;
constexpr int Rounds = 3;

std::wstring SettingsKey() {
    return L"Software\\" + std::wstring(rublet::names::SettingsApplication) + L"\\" +
           std::wstring(rublet::names::SettingsSection);
}

// Moves `count` new files of `folder` to the Recycle Bin in one shell call.
bool FillRecycleBin(const std::wstring& folder, int count) {
    std::wstring list;
    for (int i = 0; i < count; ++i) {
        const std::wstring path = folder + L"\\item " + std::to_wstring(i) + L".txt";
        rublet::testing_support::WriteEmptyFile(path);
        list += path;
        list += L'\0';
    }
    list += L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    return ::SHFileOperationW(&operation) == 0;
}

double ProcessorMs(HANDLE process) {
    FILETIME created, ended, kernel, user;
    ::GetProcessTimes(process, &created, &ended, &kernel, &user);
    const auto ticks = [](FILETIME t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000;
}

// Wine gives no processor times of other processes (it answers with the
// caller's own); there, the host's own account of the newest living process
// named `name`, read through Wine's "\\?\unix" namespace (user and system
// time, in the usual 100 ticks a second). An ended one lingers a while as a
// zombie beside the next.
double HostProcessorMs(const char* name) {
    WIN32_FIND_DATAW entry;
    const rublet::UniqueFind search(::FindFirstFileW(L"\\\\?\\unix\\proc\\*", &entry));
    if (!search) return -1;
    double found = -1;
    unsigned long long newest = 0;
    do {
        if (entry.cFileName[0] < L'1' || entry.cFileName[0] > L'9') continue;
        const std::wstring path = std::wstring(L"\\\\?\\unix\\proc\\") + entry.cFileName + L"\\stat";
        const rublet::UniqueFile file(
            ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!file) continue;
        char text[1024] = {};
        DWORD read = 0;
        ::ReadFile(file.get(), text, sizeof text - 1, &read, nullptr);
        const std::string stat(text, read);
        const std::size_t open = stat.find('('), close = stat.rfind(')');
        if (open == std::string::npos || close == std::string::npos || stat.substr(open + 1, close - open - 1) != name)
            continue;
        // After the name: the state, 10 fields, utime and stime, 6 fields, the start time.
        char state = 0;
        unsigned long long utime = 0, stime = 0, started = 0;
        if (std::sscanf(stat.c_str() + close + 2,
                        "%c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu %*d %*d %*d %*d %*d %*d %llu", &state,
                        &utime, &stime, &started) == 4 &&
            state != 'Z' && state != 'X' && started >= newest) {
            newest = started;
            found = static_cast<double>(utime + stime) * 10;
        }
    } while (::FindNextFileW(search.get(), &entry));
    return found;
}

double RubletProcessorMs(HANDLE process) {
    static const bool wine = ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine ? HostProcessorMs("Rublet.exe") : ProcessorMs(process);
}

// Rublet.exe showing `picture`, for one round: its processor time in that
// round, from a second after its window shows.
double IdleRound(const std::wstring& program, const std::wstring& picture, DWORD roundMs) {
    rublet::testing_support::StoreRegValue(HKEY_CURRENT_USER, SettingsKey(), std::wstring(rublet::names::KeyBmpdir),
                                           REG_SZ, picture);
    const bench::StartedProgram rublet = bench::StartProgram(program);
    if (!rublet.Process) return -1;
    HWND window = nullptr;
    while (!window && ::WaitForSingleObject(rublet.Process.get(), 10) == WAIT_TIMEOUT)
        window = ::FindWindowW(rublet::names::Form1Class, nullptr);
    ::Sleep(1000);
    const double before = RubletProcessorMs(rublet.Process.get());
    ::Sleep(roundMs);
    const double spent = RubletProcessorMs(rublet.Process.get()) - before;
    bench::CloseAndWait(rublet, window);
    return spent;
}

}  // namespace

using bench::Median;

int wmain(int argc, wchar_t** argv) {
    const DWORD roundMs = (argc > 1 ? static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10)) : 60) * 1000;
    if (!rublet::testing_support::InSandbox()) {
        std::fputs("check_bench: only in the prefix of scripts/wine-sandbox (it fills the Recycle Bin)\n", stderr);
        return 1;
    }
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring self(path);
    const std::wstring folder = self.substr(0, self.rfind(L'\\') + 1);
    const std::wstring work = L"T:\\check-bench";
    ::CreateDirectoryW(work.c_str(), nullptr);
    const std::wstring twinned = folder + std::wstring(rublet::names::DefaultPictureFile);
    const std::wstring single = work + L"\\single.bmp";
    ::CopyFileW(twinned.c_str(), single.c_str(), FALSE);
    ::SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    if (!FillRecycleBin(work, Items)) {
        std::fputs("check_bench: the Recycle Bin could not be filled\n", stderr);
        return 1;
    }

    SHQUERYRBINFO bin{sizeof bin, 0, 0};
    std::vector<double> queries;
    const double own = ProcessorMs(::GetCurrentProcess());
    for (int i = 0; i < 15; ++i) {
        const auto start = Clock::now();
        ::SHQueryRecycleBinW(nullptr, &bin);
        queries.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }

    const double queryProcessorMs = (ProcessorMs(::GetCurrentProcess()) - own) / 15;
    std::vector<double> checking, quiet;
    for (int round = 0; round < Rounds; ++round) {
        checking.push_back(IdleRound(folder + L"Rublet.exe", twinned, roundMs));
        quiet.push_back(IdleRound(folder + L"Rublet.exe", single, roundMs));
    }
    std::printf("the Recycle Bin holding %lld items: one SHQueryRecycleBinW takes %.0f ms, %.0f ms of it processor "
                "time (medians of 15); every 2 s that would be %.0f ms a minute\n",
                static_cast<long long>(bin.i64NumItems), Median(queries), queryProcessorMs, 30 * queryProcessorMs);
    const double perMinute = 60000.0 / roundMs;
    std::printf("Rublet.exe idle, %d rounds of %lu s each, alternating, processor time a minute (medians): looking "
                "at the Recycle Bin %.0f ms, not looking %.0f ms; the looks %.0f ms a minute, %.2f %% of one core\n",
                Rounds, roundMs / 1000, perMinute * Median(checking), perMinute * Median(quiet),
                perMinute * (Median(checking) - Median(quiet)), 100 * (Median(checking) - Median(quiet)) / roundMs);
    ::SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKey().c_str());
    return 0;
}
