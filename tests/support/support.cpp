#include "support.h"

#include <psapi.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <utility>

#include "platform/handles.h"

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace rublet::testing_support {
namespace {

std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

std::wstring EnvironmentVariable(const wchar_t* name) {
    wchar_t value[256] = {};
    return ::GetEnvironmentVariableW(name, value, 256) < 256 ? value : L"";
}

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters);
    return counters.PrivateUsage;
}

}  // namespace

bool InSandbox() {
    static const bool inSandbox = [] {
        std::wifstream file("C:\\rublet-sandbox.token");
        std::wstring token;
        return file >> token && !token.empty() && token == EnvironmentVariable(L"RUBLET_SANDBOX_TOKEN");
    }();
    return inSandbox;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs) {
    const ULONGLONG end = ::GetTickCount64() + limitMs;
    while (!condition()) {
        if (::GetTickCount64() >= end) return false;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
    UniqueFile file(::CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(Long(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

std::map<std::wstring, std::uint64_t> Listing(const std::wstring& root) {
    std::map<std::wstring, std::uint64_t> listing;
    std::vector<std::wstring> folders = {L""};
    while (!folders.empty()) {
        const std::wstring folder = folders.back();
        folders.pop_back();
        WIN32_FIND_DATAW found{};
        HANDLE search = ::FindFirstFileW(Long(root + folder + L"\\*").c_str(), &found);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(search, &found)) {
            const std::wstring path = folder + L"\\" + found.cFileName;
            if (found.cFileName == std::wstring(L".") || found.cFileName == std::wstring(L"..")) continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                listing[path + L"\\"] = 0;
                folders.push_back(path);
                continue;
            }
            std::ifstream file(std::filesystem::path(Long(root + path)), std::ios::binary);
            std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
            for (char c; file.get(c);) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
            listing[path] = hash;
        }
        if (search != INVALID_HANDLE_VALUE) ::FindClose(search);
    }
    return listing;
}

void StoreRegValue(HKEY root, const std::wstring& subkey, const std::wstring& name, DWORD type,
                   const std::wstring& text) {
    HKEY created = nullptr;
    ::RegCreateKeyExW(root, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr);
    const UniqueRegKey key(created);
    ::RegSetValueExW(key.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

HDROP MakeDrop(const std::vector<std::wstring>& paths, SIZE_T padding) {
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    list += L'\0';
    const SIZE_T listBytes = list.size() * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + listBytes + padding);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    BYTE* bytes = reinterpret_cast<BYTE*>(header) + sizeof(DROPFILES);
    ::CopyMemory(bytes, list.data(), listBytes);
    ::FillMemory(bytes + listBytes, padding, 0x5A);  // the ballast is touched, so it counts
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

bool FreesDrop(const std::vector<std::wstring>& paths, const std::function<void(HDROP)>& action) {
    constexpr SIZE_T Ballast = 64 << 20;
    const SIZE_T before = PrivateBytes();
    action(MakeDrop(paths, Ballast));
    return PrivateBytes() < before + Ballast / 2;
}

namespace {

struct WindowSearch {
    DWORD process;
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    if (owner != search->process || std::wstring(name) != search->className || !::IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className};
    ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BoxAnswerer::BoxAnswerer(int button, std::function<void()> whileFirstBoxIsOpen)
    : button_(button), whileFirstBoxIsOpen_(std::move(whileFirstBoxIsOpen)), thread_([this] { Run(); }) {}

BoxAnswerer::~BoxAnswerer() {
    stop_ = true;
    thread_.join();
}

std::vector<std::wstring> BoxAnswerer::Seen() {
    std::lock_guard lock(mutex_);
    return seen_;
}

void BoxAnswerer::Run() {
    for (; !stop_; ::Sleep(20)) {
        const HWND box = VisibleWindowOf(::GetCurrentProcessId(), L"#32770");
        if (!box) continue;
        wchar_t title[128] = {}, text[2048] = {};
        ::GetWindowTextW(box, title, 128);
        ::GetDlgItemTextW(box, 0xFFFF, text, 2048);
        {
            std::lock_guard lock(mutex_);
            seen_.push_back(std::wstring(title) + L"|" + text);
        }
        if (whileFirstBoxIsOpen_) std::exchange(whileFirstBoxIsOpen_, nullptr)();
        ::PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button_), 0);
        for (int i = 0; i < 200 && ::IsWindow(box); ++i) ::Sleep(10);
    }
}

}  // namespace rublet::testing_support
