#include "drop/hook.h"

namespace rublet {

WNDPROC PrevWndProc = nullptr;
std::int16_t DropPending = 0;
std::vector<std::wstring> DroppedFiles;

void HookWindow(HWND hwnd) noexcept {
    if (PrevWndProc) return;
    PrevWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
}

void UnhookWindow(HWND hwnd) noexcept {
    if (!PrevWndProc) return;
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PrevWndProc));
    PrevWndProc = nullptr;
}

void SuspendDropHandling(HWND hwnd) noexcept { UnhookWindow(hwnd); }

void ResumeDropHandling(HWND hwnd) noexcept {
    DropPending = 0;
    ::DragAcceptFiles(hwnd, TRUE);
    HookWindow(hwnd);
}

bool TakePendingDrop() noexcept {
    if (DropPending != -1) return false;
    DropPending = 0;
    return true;
}

std::vector<std::wstring> ReadDroppedPaths(HDROP drop) {
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::wstring> paths(count);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        const UINT copied = ::DragQueryFileW(drop, i, path.data(), length + 1);
        path.resize(copied);
        paths[i] = std::move(path);
    }
    return paths;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) {
        // Read whole, then released here: the drop is consumed, so no
        // later procedure sees the freed handle.
        auto drop = reinterpret_cast<HDROP>(wParam);
        DroppedFiles = ReadDroppedPaths(drop);
        ::DragFinish(drop);
        DropPending = -1;
        return 0;
    }
    return ::CallWindowProcW(PrevWndProc, hwnd, message, wParam, lParam);
}

}  // namespace rublet
