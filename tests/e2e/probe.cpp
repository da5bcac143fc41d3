// What the scenarios see of the Windows side. Without arguments, a line for
// each visible window of a running Rublet.exe (handle, class, title, place,
// topmost, region), each followed by a line for each of its controls or
// menu items (tab, class, text, place, check state); line breaks in texts
// are written as \n. "probe endsession" tells the main window that the
// session ends.
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

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
// the menu's thread, writes the items into the menu window's title.
std::wstring MenuItems(HWND menuWindow) {
    const HMODULE reader = ::LoadLibraryW(L"menu_reader.dll");
    const auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(reader, "ReadMenuHook")));
    HHOOK hooked = ::SetWindowsHookExW(WH_CALLWNDPROC, hook, reader, ::GetWindowThreadProcessId(menuWindow, nullptr));
    ::SendMessageTimeoutW(menuWindow, ::RegisterWindowMessageW(L"Rublet.ReadMenu"), 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    ::UnhookWindowsHookEx(hooked);
    wchar_t items[4096] = {};
    ::GetWindowTextW(menuWindow, items, 4096);
    return items;
}

std::wstring Describe(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    wchar_t title[512] = {};
    if (ClassOf(hwnd) != L"#32768") ::GetWindowTextW(hwnd, title, 512);  // a menu's holds its items
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
    if (ClassOf(hwnd) == L"Rublet.Form1") snapshot->rublets.insert(process);
    if (::IsWindowVisible(hwnd)) snapshot->visible.push_back(hwnd);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wstring(argv[1]) == L"endsession") {
        const HWND main = ::FindWindowW(L"Rublet.Form1", nullptr);
        if (::SendMessageW(main, WM_QUERYENDSESSION, 0, 0)) ::SendMessageW(main, WM_ENDSESSION, TRUE, 0);
        return 0;
    }
    Snapshot snapshot;
    ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&snapshot));
    std::wstring out = L"processes\t" + std::to_wstring(snapshot.rublets.size()) + L"\n";
    for (const HWND hwnd : snapshot.visible) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(hwnd, &process);
        if (snapshot.rublets.count(process)) out += Describe(hwnd);
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, out.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, out.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    std::fwrite(utf8.c_str(), 1, utf8.size() - 1, stdout);
    return 0;
}
