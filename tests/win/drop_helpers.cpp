#include "drop_helpers.h"

#include <shlobj.h>

#include <chrono>

#include "drop/drop_processing.h"
#include "drop/hook.h"

namespace rublet::testing_drops {

HDROP MakeDrop(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths) {
        list += path;
        list += L'\0';
    }
    list += L'\0';
    const SIZE_T bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    ::CopyMemory(reinterpret_cast<BYTE*>(header) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

HDROP DropOnMainWindowAndWait(HWND mainWindow, const std::vector<std::wstring>& paths, bool& processed) {
    DroppedFiles.clear();
    HDROP drop = MakeDrop(paths);
    ::PostMessageW(mainWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    processed = PumpUntil(
        [](const void* expected) {
            return DroppedFiles == *static_cast<const std::vector<std::wstring>*>(expected) && DropPending == 0 &&
                   PrevWndProc != nullptr;
        },
        &paths);
    return drop;
}

bool IsReleased(HDROP drop) { return ::GlobalFlags(drop) == GMEM_INVALID_HANDLE; }

BoxAnswerer::BoxAnswerer(int button) : button_(button), thread_([this] { Run(); }) {}

BoxAnswerer::~BoxAnswerer() {
    stop_ = true;
    thread_.join();
}

std::vector<std::wstring> BoxAnswerer::Seen() {
    std::lock_guard lock(mutex_);
    return seen_;
}

void BoxAnswerer::WhileFirstBoxIsOpen(void (*action)(void*), void* context) {
    std::lock_guard lock(mutex_);
    action_ = action;
    context_ = context;
}

namespace {

struct Search {
    DWORD process;
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    if (owner == search->process && std::wstring(name) == search->className && ::IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
    Search search{processId, className};
    ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void BoxAnswerer::Run() {
    while (!stop_) {
        const HWND box = VisibleWindowOf(::GetCurrentProcessId(), L"#32770");
        if (box) {
            wchar_t title[128] = {}, text[2048] = {};
            ::GetWindowTextW(box, title, 128);
            ::GetDlgItemTextW(box, 0xFFFF, text, 2048);
            void (*action)(void*) = nullptr;
            void* context = nullptr;
            {
                std::lock_guard lock(mutex_);
                seen_.push_back(std::wstring(title) + L"|" + text);
                std::swap(action, action_);
                context = context_;
            }
            if (action) action(context);
            ::PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button_), 0);
            for (int i = 0; i < 200 && ::IsWindow(box); ++i) ::Sleep(10);
        }
        ::Sleep(20);
    }
}

void PumpMessages(DWORD milliseconds) {
    PumpUntil([](const void*) { return false; }, nullptr, milliseconds);
}

bool PumpUntil(bool (*condition)(const void*), const void* context, DWORD limitMilliseconds) {
    const ULONGLONG end = ::GetTickCount64() + limitMilliseconds;
    while (::GetTickCount64() < end) {
        if (condition(context)) return true;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return condition(context);
}

}  // namespace rublet::testing_drops
