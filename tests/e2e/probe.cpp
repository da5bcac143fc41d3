// What the scenarios see of the Windows side, in UTF-16, one request after
// another for as long as standard input stays open: each request and each
// answer a 32-bit byte count and that many bytes of UTF-16, a request's
// words apart by tabs. One probe serves a whole run, where a Wine start
// costs a second, or a minute under emulation.
//
// An empty request gives a record for each visible window of a running
// Rublet.exe (handle, class, title, place, topmost, region), each followed
// by a record for each of its controls or menu items (no handle, class,
// text, place, check state): fields apart by tabs, each record ended by
// \x1e, since texts hold line breaks (a tab or \x1e in a text becomes a
// space). "endsession" tells the main window that the session ends.
// "counters" gives, for each running Rublet.exe, its handles (as the
// system's process list counts them), its committed memory in KB and its
// GDI objects; "counters self" gives the probe's own, before and after it
// leaks 100 handles, 64 MB and 100 GDI objects on purpose. "read KEY NAME"
// gives "+" and the text of a value under HKEY_CURRENT_USER\KEY, or "-" for
// none; "write KEY NAME TEXT" stores a REG_SZ value, "dword KEY NAME N" a
// REG_DWORD one, and "clear KEY" removes the key and all below it. "hold
// PATH" holds a file open as another program may, without delete sharing,
// until "release".
#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <cwchar>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "layouts/window_classes.h"
#include "platform/system/handles.h"
#include "platform/system/late_bound.h"
#include "support.h"

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

std::wstring Region(HWND hwnd) {
    std::wstring region;
    const rublet::UniqueRegion shape(::CreateRectRgn(0, 0, 0, 0));
    alignas(RGNDATA) static char data[1 << 20];  // room for the rectangles of any outline of a 1920 x 1080 picture
    auto* header = reinterpret_cast<RGNDATA*>(data);
    if (::GetWindowRgn(hwnd, shape.get()) != ERROR && ::GetRegionData(shape.get(), sizeof data, header))
        for (DWORD i = 0; i < header->rdh.nCount; ++i) region += Place(reinterpret_cast<const RECT*>(header->Buffer)[i]) + L";";
    return region;
}

// A menu can be read only in its own process: menu_reader.dll, hooked into
// the menu's thread, writes the items' records into the menu window's title.
// A menu that has gone has no thread: hooking "thread 0" would hook every
// thread of the desktop, the probe's own included.
std::wstring MenuItems(HWND menuWindow) {
    const DWORD thread = ::GetWindowThreadProcessId(menuWindow, nullptr);
    if (!thread) return L"";
    const HMODULE reader = ::LoadLibraryW(L"menu_reader.dll");
    const auto hook = rublet::Exported<LRESULT CALLBACK(int, WPARAM, LPARAM)>(
        reader, RUBLET_RUNTIME_NAME(L"menu_reader.dll", "ReadMenuHook"));
    const HHOOK hooked = ::SetWindowsHookExW(WH_CALLWNDPROC, hook, reader, thread);
    ::SendMessageTimeoutW(menuWindow, ::RegisterWindowMessageW(L"Rublet.ReadMenu"), 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    ::UnhookWindowsHookEx(hooked);
    wchar_t items[4096] = {};
    ::GetWindowTextW(menuWindow, items, 4096);
    return items;
}

// The record of a window and those of its controls (EnumChildWindows gives
// them all, to any depth), or of a control alone.
BOOL CALLBACK Describe(HWND hwnd, LPARAM to) {
    auto& out = *reinterpret_cast<std::wstring*>(to);
    const bool control = ::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD, menu = ClassOf(hwnd) == L"#32768";
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    wchar_t text[2048] = {};  // asked of the window's own process; a menu's title holds its items
    if (!menu) ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    for (wchar_t& c : text) c = c == L'\t' || c == L'\x1e' ? L' ' : c;  // (a bad setting's)
    DWORD_PTR flag = (::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (control) ::SendMessageTimeoutW(hwnd, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &flag);
    out += (control ? L"" : std::to_wstring(reinterpret_cast<UINT_PTR>(hwnd))) + L"\t" + ClassOf(hwnd) + L"\t" +
           text + L"\t" + Place(rect) + L"\t" + std::to_wstring(flag) + L"\t" +
           (control ? L"" : Region(hwnd)) + L"\x1e" + (menu ? MenuItems(hwnd) : L"");
    if (!control) ::EnumChildWindows(hwnd, &Describe, to);
    return TRUE;
}

DWORD ProcessOf(HWND hwnd) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    return process;
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
    return std::to_wstring(handles) + L"\t" + std::to_wstring(rublet::testing_support::CommittedBytes(opened.get()) / 1024) +
           L"\t" + std::to_wstring(::GetGuiResources(opened.get(), GR_GDIOBJECTS)) + L"\n";
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

std::set<DWORD> rublets;  // the processes of running Rublet.exe

// The records of a visible window of Rublet.exe; one that went while it was
// read is left out.
BOOL CALLBACK DescribeRublet(HWND hwnd, LPARAM to) {
    std::wstring described;
    if (::IsWindowVisible(hwnd) && rublets.count(ProcessOf(hwnd))) Describe(hwnd, reinterpret_cast<LPARAM>(&described));
    if (::IsWindow(hwnd)) *reinterpret_cast<std::wstring*>(to) += described;
    return TRUE;
}

std::wstring RegistryAnswer(const std::vector<std::wstring>& words) {
    const std::wstring& command = words[0];
    if (command == L"read" && words.size() == 3) {
        static wchar_t value[32768];  // the longest text a setting of the program holds
        DWORD size = sizeof value;
        return ::RegGetValueW(HKEY_CURRENT_USER, words[1].c_str(), words[2].c_str(), RRF_RT_REG_SZ | RRF_NOEXPAND,
                              nullptr, value, &size) == ERROR_SUCCESS
                   ? L"+" + std::wstring(value, size / sizeof(wchar_t) - 1)
                   : L"-";
    }
    LSTATUS status = ERROR_BAD_ARGUMENTS;
    if (command == L"write" && words.size() == 4)
        status = ::RegSetKeyValueW(HKEY_CURRENT_USER, words[1].c_str(), words[2].c_str(), REG_SZ, words[3].c_str(),
                                   static_cast<DWORD>((words[3].size() + 1) * sizeof(wchar_t)));
    if (command == L"dword" && words.size() == 4) {
        const DWORD value = std::wcstoul(words[3].c_str(), nullptr, 10);
        status = ::RegSetKeyValueW(HKEY_CURRENT_USER, words[1].c_str(), words[2].c_str(), REG_DWORD, &value, sizeof value);
    }
    if (command == L"clear" && words.size() == 2) {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, words[1].c_str());  // all below it, then the key itself
        status = ::RegDeleteKeyW(HKEY_CURRENT_USER, words[1].c_str());
        if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS;
    }
    return status == ERROR_SUCCESS ? L"ok" : L"error " + std::to_wstring(status);
}

std::vector<rublet::UniqueFile> held;  // by "hold", until "release"

std::wstring Answer(const std::vector<std::wstring>& words) {
    const std::wstring command = words.empty() ? L"" : words[0];
    if (command == L"read" || command == L"write" || command == L"dword" || command == L"clear")
        return RegistryAnswer(words);
    if (command == L"hold" && words.size() == 2) {
        held.emplace_back(::CreateFileW(words[1].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        return held.back() ? L"ok" : L"error " + std::to_wstring(::GetLastError());
    }
    if (command == L"release") return held.clear(), L"ok";
    const HWND main = ::FindWindowW(rublet::names::Form1Class, nullptr);
    if (command == L"endsession" && ::SendMessageW(main, WM_QUERYENDSESSION, 0, 0))
        ::SendMessageW(main, WM_ENDSESSION, TRUE, 0);
    rublets.clear();
    for (HWND hwnd = nullptr; (hwnd = ::FindWindowExW(nullptr, hwnd, rublet::names::Form1Class, nullptr));)
        rublets.insert(ProcessOf(hwnd));
    std::wstring out = command == L"counters" && words.size() > 1 ? CountersOfLeaks() : L"";
    for (const DWORD process : rublets)
        if (command == L"counters" && words.size() == 1) out += Counters(process);
    if (command.empty()) ::EnumWindows(&DescribeRublet, reinterpret_cast<LPARAM>(&out));  // top first
    return out;
}

bool ReadExactly(HANDLE from, void* into, DWORD bytes) {
    auto* at = static_cast<char*>(into);
    while (bytes > 0) {
        DWORD read = 0;
        if (!::ReadFile(from, at, bytes, &read, nullptr) || read == 0) return false;
        at += read;
        bytes -= read;
    }
    return true;
}

void WriteAll(HANDLE to, const void* data, DWORD bytes) {
    DWORD written = 0;
    ::WriteFile(to, data, bytes, &written, nullptr);
}

}  // namespace

// Requests until standard input ends, each answered at once.
int wmain() {
    const HANDLE in = ::GetStdHandle(STD_INPUT_HANDLE), out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    std::uint32_t bytes = 0;
    while (ReadExactly(in, &bytes, sizeof bytes)) {
        std::wstring request(bytes / sizeof(wchar_t), L'\0');
        if (!ReadExactly(in, request.data(), bytes)) return 1;
        std::vector<std::wstring> words;
        for (std::size_t start = 0, tab; start <= request.size() && !request.empty(); start = tab + 1) {
            tab = request.find(L'\t', start);
            if (tab == std::wstring::npos) tab = request.size();
            words.push_back(request.substr(start, tab - start));
        }
        const std::wstring answer = Answer(words);
        const auto size = static_cast<std::uint32_t>(answer.size() * sizeof(wchar_t));
        WriteAll(out, &size, sizeof size);
        WriteAll(out, answer.data(), size);
    }
    return 0;
}
