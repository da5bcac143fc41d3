// What the bin's look at the Recycle Bin costs while it sits idle, at each
// of the given numbers of items in the Recycle Bin (check_bench --items
// 500,5000,50000, the default): one SHQueryRecycleBinW (count and size, the
// bin's look) against a way that Wine alone allows, its freedesktop trash
// read directly, for comparison; each as the time one look takes, its processor time, and
// the processor time a minute of the idle bin that looks every 2 seconds,
// spaced out when a look is slow. The Recycle Bin is filled by one shell
// call for each step.
// With --idle SECONDS, Rublet.exe itself at each number of items: its
// processor time (and the wineserver's, under Wine) showing a picture with
// a "_full" twin against one without, the two alternating, 3 rounds of
// SECONDS each; prints the medians and their difference. (Both watch the
// Recycle Bin, for its status line; the program without a twin was once a
// bin that did not, and so the baseline of the watch's cost.) --compare
// NAME adds another build of the program from the bench's folder (an
// earlier release, say) to the same rounds.
// Writes the registry and fills and empties the Recycle Bin: run it only
// in the prefix of scripts/wine-sandbox (scripts/bench does).
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench.h"
#include "layouts/window_classes.h"
#include "pictures/picture_paths.h"
#include "settings/settings_keys.h"
#include "platform/system/environment.h"
#include "platform/system/handles.h"
#include "recycle_bin/look_spacing.h"
#include "support.h"

namespace {

using bench::Median;
using Clock = std::chrono::steady_clock;
constexpr int Rounds = 3;

std::wstring SettingsKey() {
    return L"Software\\" + std::wstring(rublet::names::SettingsApplication) + L"\\" +
           std::wstring(rublet::names::SettingsSection);
}

// Moves the new files `first` to `last` - 1 of `folder` to the Recycle Bin
// in one shell call. A thousand to a subfolder: Wine reads through the
// whole folder for each name it creates.
bool FillRecycleBin(const std::wstring& folder, int first, int last) {
    std::wstring list;
    for (int i = first; i < last; ++i) {
        const std::wstring subfolder = folder + L"\\" + std::to_wstring(i / 1000);
        if (i % 1000 == 0 || i == first) ::CreateDirectoryW(subfolder.c_str(), nullptr);
        const std::wstring path = subfolder + L"\\item " + std::to_wstring(i) + L".txt";
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
// zombie beside the next. With `environment`, only a process whose
// environment holds that entry.
double HostProcessorMs(const char* name, const std::string& environment = {}) {
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
        if (!environment.empty()) {
            const std::wstring environPath = std::wstring(L"\\\\?\\unix\\proc\\") + entry.cFileName + L"\\environ";
            const rublet::UniqueFile environFile(::CreateFileW(environPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                           OPEN_EXISTING, 0, nullptr));
            std::string entries(1 << 16, '\0');
            DWORD got = 0;
            if (!environFile || !::ReadFile(environFile.get(), entries.data(), static_cast<DWORD>(entries.size()), &got, nullptr))
                continue;
            entries.resize(got);
            if (('\0' + entries).find('\0' + environment + '\0') == std::string::npos) continue;
        }
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

bool UnderWine() { return rublet::RunsUnderWine(); }


// Wine keeps the Recycle Bin as the freedesktop trash of XDG_DATA_HOME: an
// item is a name in files/ with its description in info/NAME.trashinfo.
// The first such item, found through Wine's "\\?\unix" namespace. Not
// what the program does: the shell's Recycle Bin is the honest source.
bool TrashHoldsAnything() {
    wchar_t home[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableW(L"XDG_DATA_HOME", home, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    std::wstring trash = L"\\\\?\\unix" + std::wstring(home) + L"\\Trash\\";
    std::replace(trash.begin(), trash.end(), L'/', L'\\');
    WIN32_FIND_DATAW entry;
    const rublet::UniqueFind search(::FindFirstFileW((trash + L"files\\*").c_str(), &entry));
    if (!search) return false;
    do {
        if (std::wcscmp(entry.cFileName, L".") == 0 || std::wcscmp(entry.cFileName, L"..") == 0) continue;
        const std::wstring info = trash + L"info\\" + entry.cFileName + L".trashinfo";
        if (::GetFileAttributesW(info.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    } while (::FindNextFileW(search.get(), &entry));
    return false;
}

// The environment entry that tells this prefix's processes from other
// prefixes'; empty without WINEPREFIX.
const std::string& PrefixEntry() {
    static const std::string prefix = [] {
        char value[MAX_PATH] = {};
        const DWORD length = ::GetEnvironmentVariableA("WINEPREFIX", value, MAX_PATH);
        return length > 0 && length < MAX_PATH ? "WINEPREFIX=" + std::string(value) : std::string();
    }();
    return prefix;
}

// Under Wine the files are opened and read through the wineserver, which
// does much of a look's work: the processor time of this prefix's.
double WineserverProcessorMs() {
    const std::string& prefix = PrefixEntry();
    if (!UnderWine() || prefix.empty()) return 0;
    const double ms = HostProcessorMs("wineserver64", prefix);
    return ms >= 0 ? ms : std::max(HostProcessorMs("wineserver", prefix), 0.0);
}

// The program's processor time and, under Wine, the wineserver's, which
// does much of its work; only this prefix's program (of that file name, at
// most 15 characters as Linux keeps it), as other prefixes on the host may
// run theirs.
double RubletProcessorMs(HANDLE process, const std::wstring& name) {
    if (!UnderWine()) return ProcessorMs(process);
    return HostProcessorMs(std::string(name.begin(), name.end()).c_str(), PrefixEntry()) + WineserverProcessorMs();
}

// One way of looking, timed: the median time of one look and the processor
// time of one look (over enough looks for the clock's ticks).
struct LookCost {
    double Ms;
    double ProcessorMs;  // this process's and, under Wine, the wineserver's
    double WineserverMs;
};

LookCost TimeLooks(const std::function<void()>& look) {
    auto start = Clock::now();
    look();
    const double firstMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const int looks = std::clamp(static_cast<int>(2000 / std::max(firstMs, 0.001)), 3, 2000);
    std::vector<double> times;
    const double own = ProcessorMs(::GetCurrentProcess()), server = WineserverProcessorMs();
    for (int i = 0; i < looks; ++i) {
        start = Clock::now();
        look();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const double serverMs = (WineserverProcessorMs() - server) / looks;
    return {Median(times), (ProcessorMs(::GetCurrentProcess()) - own) / looks + serverMs, serverMs};
}

// The processor time a minute of looks that cost `cost`, at the idle bin's
// pace (NextRecycleBinCheckMs).
double IdleMsAMinute(const LookCost& cost) {
    const unsigned lookMs = static_cast<unsigned>(cost.Ms + 0.5);
    return 60000.0 / (rublet::NextRecycleBinCheckMs(lookMs) + cost.Ms) * cost.ProcessorMs;
}

// Rublet.exe showing `picture`, for one round: its processor time in that
// round, from the end of its start (the first 2 s in which it used under
// 20 ms, or 60 s after its window showed): the first look at a large
// Recycle Bin is no part of the rest.
double IdleRound(const std::wstring& folder, const std::wstring& program, const std::wstring& picture,
                 DWORD roundMs) {
    rublet::testing_support::StoreRegValue(HKEY_CURRENT_USER, SettingsKey(), std::wstring(rublet::names::KeyBmpdir),
                                           REG_SZ, picture);
    const bench::StartedProgram rublet = bench::StartProgram(folder + program);
    if (!rublet.Process) return -1;
    HWND window = nullptr;
    while (!window && ::WaitForSingleObject(rublet.Process.get(), 10) == WAIT_TIMEOUT)
        window = ::FindWindowW(rublet::names::Form1Class, nullptr);
    double before = RubletProcessorMs(rublet.Process.get(), program);
    for (int settling = 0; settling < 30; ++settling) {
        ::Sleep(2000);
        const double now = RubletProcessorMs(rublet.Process.get(), program);
        if (now - std::exchange(before, now) < 20) break;
    }
    ::Sleep(roundMs);
    const double spent = RubletProcessorMs(rublet.Process.get(), program) - before;
    bench::CloseAndWait(rublet, window);
    return spent;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<int> counts;
    DWORD idleMs = 0;
    std::vector<std::wstring> programs{L"Rublet.exe"};
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::wcscmp(argv[i], L"--idle") == 0) idleMs = static_cast<DWORD>(std::wcstoul(argv[i + 1], nullptr, 10)) * 1000;
        if (std::wcscmp(argv[i], L"--compare") == 0) programs.emplace_back(argv[i + 1]);
        if (std::wcscmp(argv[i], L"--items") != 0) continue;
        for (const wchar_t* at = argv[i + 1]; *at;) {
            wchar_t* end = nullptr;
            counts.push_back(static_cast<int>(std::wcstol(at, &end, 10)));
            at = *end == L',' ? end + 1 : end;
            if (end == at) break;
        }
    }
    if (counts.empty()) counts = {500, 5000, 50000};
    std::sort(counts.begin(), counts.end());
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
    const std::wstring twinned = rublet::DefaultPicturePath(self.substr(0, self.rfind(L'\\')));
    const std::wstring single = work + L"\\single.bmp";
    ::CopyFileW(twinned.c_str(), single.c_str(), FALSE);
    ::SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);

    std::printf("one look at the Recycle Bin: the time it takes (median) and its processor time (mean, with the "
                "wineserver's under Wine), and the idle bin's processor time a minute, looking every 2 s or spaced out "
                "when a look is slow\n");
    int held = 0;
    for (const int count : counts) {
        const auto start = Clock::now();
        if (!FillRecycleBin(work, held, count)) {
            std::fputs("check_bench: the Recycle Bin could not be filled\n", stderr);
            return 1;
        }
        const double fillS = std::chrono::duration<double>(Clock::now() - start).count();
        held = count;
        SHQUERYRBINFO bin{sizeof bin, 0, 0};
        ::SHQueryRecycleBinW(nullptr, &bin);
        std::printf("%lld items (%d filled in %.0f s):\n", static_cast<long long>(bin.i64NumItems), count, fillS);
        const auto report = [](const char* way, const LookCost& cost) {
            std::printf("  %-30s %9.3f ms, processor %9.3f ms (wineserver %8.3f); idle %7.1f ms a minute, %.3f %% of "
                        "one core\n", way, cost.Ms, cost.ProcessorMs, cost.WineserverMs, IdleMsAMinute(cost),
                        IdleMsAMinute(cost) / 600);
        };
        report("SHQueryRecycleBinW", TimeLooks([] {
                   SHQUERYRBINFO info{sizeof info, 0, 0};
                   ::SHQueryRecycleBinW(nullptr, &info);
               }));
        if (UnderWine()) {
            if (!TrashHoldsAnything()) std::fputs("check_bench: the freedesktop trash reads empty\n", stderr);
            report("freedesktop trash, first item", TimeLooks([] { static_cast<void>(TrashHoldsAnything()); }));
        }
        if (idleMs == 0) continue;
        std::vector<std::vector<double>> checking(programs.size()), quiet(programs.size());
        for (int round = 0; round < Rounds; ++round)
            for (std::size_t p = 0; p < programs.size(); ++p) {
                checking[p].push_back(IdleRound(folder, programs[p], twinned, idleMs));
                quiet[p].push_back(IdleRound(folder, programs[p], single, idleMs));
            }
        const double perMinute = 60000.0 / idleMs;
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const double looks = Median(checking[p]) - Median(quiet[p]);
            std::printf("  %ls idle, %d rounds of %lu s each, alternating, processor time a minute (medians): "
                        "looking at the Recycle Bin %.0f ms, not looking %.0f ms; the looks %.0f ms a minute, %.2f %% "
                        "of one core\n",
                        programs[p].c_str(), Rounds, idleMs / 1000, perMinute * Median(checking[p]),
                        perMinute * Median(quiet[p]), perMinute * looks, 100 * looks / idleMs);
        }
    }
    const auto start = Clock::now();
    ::SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    std::printf("emptied in %.0f s\n", std::chrono::duration<double>(Clock::now() - start).count());
    ::RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKey().c_str());
    return 0;
}
