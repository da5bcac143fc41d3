// What the scenarios see of the Windows side. Without arguments, a line for
// each visible window of a running Rublet.exe (handle, class, title, place,
// topmost, region), each followed by a line for each of its controls or
// menu items (tab, class, text, place, check state); line breaks in texts
// are written as \n. "probe endsession" tells the main window that the
// session ends. "probe counters" gives, for each running Rublet.exe, its
// handles (as the system's process list counts them), its committed memory
// in KB and its GDI objects; "probe counters self" gives the probe's own,
// before and after it leaks 100 handles, 64 MB and 100 GDI objects on purpose.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "layouts/names.h"
#include "platform/handles.h"

namespace {

std::wstring Place(const RECT& r) {
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
           std::to_wstring(r.bottom);
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    return name;
}

// The text a control holds now, asked of its own process; on one line.
std::wstring Text(HWND hwnd) {
    wchar_t text[2048] = {};
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    std::wstring line;
    for (const wchar_t* c = text; *c; ++c)
        if (*c != L'\r') line += *c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, *c);
    return line;
}

BOOL CALLBACK AddControl(HWND control, LPARAM out) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    DWORD_PTR check = 0;
    ::SendMessageTimeoutW(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &check);
    *reinterpret_cast<std::wstring*>(out) += L"\t" + ClassOf(control) + L"\t" + Text(control) + L"\t" + Place(rect) +
                                           L"\t" + std::to_wstring(check) + L"\n";
    return TRUE;
}

// A menu can be read only in its own process: menu_reader.dll, hooked into
// the menu's thread, writes the items into the menu window's title. A menu
// that has gone has no thread: hooking "thread 0" would hook every thread of
// the desktop, the probe's own included.
std::wstring MenuItems(HWND menuWindow) {
    const DWORD thread = ::GetWindowThreadProcessId(menuWindow, nullptr);
    if (!thread) return L"";
    const HMODULE reader = ::LoadLibraryW(L"menu_reader.dll");
    const auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(reader, "ReadMenuHook")));
    const HHOOK hooked = ::SetWindowsHookExW(WH_CALLWNDPROC, hook, reader, thread);
    ::SendMessageTimeoutW(menuWindow, ::RegisterWindowMessageW(L"Rublet.ReadMenu"), 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    ::UnhookWindowsHookEx(hooked);
    wchar_t items[4096] = {};
    ::GetWindowTextW(menuWindow, items, 4096);
    return items;
}

std::wstring Describe(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    const std::wstring title = ClassOf(hwnd) == L"#32768" ? L"" : Text(hwnd);  // a menu's title holds its items
    std::wstring region;
    const rublet::UniqueRegion shape(::CreateRectRgn(0, 0, 0, 0));
    std::vector<unsigned char> data(::GetWindowRgn(hwnd, shape.get()) != ERROR ? ::GetRegionData(shape.get(), 0, nullptr) : 0);
    if (!data.empty() && ::GetRegionData(shape.get(), static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()))) {
        const auto* header = reinterpret_cast<const RGNDATA*>(data.data());
        for (DWORD i = 0; i < header->rdh.nCount; ++i) region += Place(reinterpret_cast<const RECT*>(header->Buffer)[i]) + L";";
    }
    std::wstring out = std::to_wstring(reinterpret_cast<UINT_PTR>(hwnd)) + L"\t" + ClassOf(hwnd) + L"\t" + title + L"\t" +
                       Place(rect) + L"\t" + (::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST ? L"1" : L"0") +
                       L"\t" + region + L"\n";
    const std::wstring items = ClassOf(hwnd) == L"#32768" ? MenuItems(hwnd) : L"";
    for (std::size_t at = 0, end; (end = items.find(L'\n', at)) != std::wstring::npos; at = end + 1)
        out += L"\titem\t" + items.substr(at, end - at) + L"\t0\n";
    ::EnumChildWindows(hwnd, &AddControl, reinterpret_cast<LPARAM>(&out));
    return out;
}

struct Snapshot {
    std::set<DWORD> rublets;
    std::vector<HWND> visible;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM out) {
    auto* snapshot = reinterpret_cast<Snapshot*>(out);
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    if (ClassOf(hwnd) == rublet::names::Form1Class) snapshot->rublets.insert(process);
    if (::IsWindowVisible(hwnd)) snapshot->visible.push_back(hwnd);
    return TRUE;
}

std::wstring Counters(DWORD process) {
    std::vector<BYTE> list(1 << 20);
    ULONG needed = 0;
    while (::NtQuerySystemInformation(SystemProcessInformation, list.data(), static_cast<ULONG>(list.size()), &needed) ==
           static_cast<NTSTATUS>(0xC0000004))  // STATUS_INFO_LENGTH_MISMATCH
        list.resize(needed + 65536);
    ULONG handles = 0;
    for (auto* entry = reinterpret_cast<SYSTEM_PROCESS_INFORMATION*>(list.data());;
         entry = reinterpret_cast<SYSTEM_PROCESS_INFORMATION*>(reinterpret_cast<BYTE*>(entry) + entry->NextEntryOffset)) {
        if (reinterpret_cast<UINT_PTR>(entry->UniqueProcessId) == process) handles = entry->HandleCount;
        if (!entry->NextEntryOffset) break;
    }
    const rublet::UniqueKernelHandle opened(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process));
    PROCESS_MEMORY_COUNTERS memory{};  // PagefileUsage: the commit charge; Wine leaves PrivateUsage at 0
    ::GetProcessMemoryInfo(opened.get(), &memory, sizeof memory);
    return std::to_wstring(handles) + L"\t" + std::to_wstring(memory.PagefileUsage / 1024) + L"\t" +
           std::to_wstring(::GetGuiResources(opened.get(), GR_GDIOBJECTS)) + L"\n";
}

// The measures of this very process, before and after leaking on purpose.
std::wstring CountersOfLeaks() {
    std::wstring out = Counters(::GetCurrentProcessId());
    for (int i = 0; i < 100; ++i) {
        ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
        ::CreateSolidBrush(RGB(i, 0, 0));
    }
    ::FillMemory(::VirtualAlloc(nullptr, 64 << 20, MEM_COMMIT, PAGE_READWRITE), 64 << 20, 1);
    return out + Counters(::GetCurrentProcessId());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wstring(argv[1]) == L"endsession") {
        const HWND main = ::FindWindowW(rublet::names::Form1Class, nullptr);
        if (::SendMessageW(main, WM_QUERYENDSESSION, 0, 0)) ::SendMessageW(main, WM_ENDSESSION, TRUE, 0);
        return 0;
    }
    const std::wstring command = argc > 1 ? argv[1] : L"";
    Snapshot snapshot;
    ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&snapshot));
    std::wstring out = L"processes\t" + std::to_wstring(snapshot.rublets.size()) + L"\n";
    if (command == L"counters" && argc > 2) out = CountersOfLeaks();
    for (const DWORD process : snapshot.rublets)
        if (command == L"counters" && argc == 2) out += Counters(process);
    for (const HWND hwnd : snapshot.visible) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(hwnd, &process);
        if (!command.empty() || !snapshot.rublets.count(process)) continue;
        const std::wstring described = Describe(hwnd);
        if (::IsWindow(hwnd)) out += described;  // a window that went while it was read is left out
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, out.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, out.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    std::fwrite(utf8.c_str(), 1, utf8.size() - 1, stdout);
    return 0;
}
