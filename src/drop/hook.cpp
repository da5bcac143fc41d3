#include "drop/hook.h"

#include <cstdlib>

#include "drop/drop_files_block.h"

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

namespace {

std::wstring AnsiPathToWide(std::string_view path) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    return wide;
}

}  // namespace

std::vector<std::wstring> QueryDroppedPaths(HDROP drop) {
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

// One walk of the block, bounded by its size. A block that cannot be read
// as memory goes to the shell's reader; one whose list runs past its end
// gives no paths, as the shell's reader would read on beyond it.
std::vector<std::wstring> ReadDroppedPaths(HDROP drop) {
    const SIZE_T size = ::GlobalSize(drop);
    const void* block = size != 0 ? ::GlobalLock(drop) : nullptr;
    if (!block) return QueryDroppedPaths(drop);
    auto paths = ReadDropFilesBlock({static_cast<const std::byte*>(block), size}, &AnsiPathToWide);
    ::GlobalUnlock(drop);
    return paths ? std::move(*paths) : std::vector<std::wstring>{};
}

bool CollectDrop(HDROP drop) noexcept {
    try {
        DroppedFiles = ReadDroppedPaths(drop);
        DropPending = -1;
        return true;
    } catch (...) {
        return false;
    }
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) {
        // Read whole, then released here: the drop is consumed, so no
        // later procedure sees the freed handle.
        auto drop = reinterpret_cast<HDROP>(wParam);
        // No exception may unwind through the system's frames: a drop whose
        // paths find no memory is lost, and the program ends in order
        // behind its message loop.
        if (!CollectDrop(drop)) ::PostQuitMessage(EXIT_FAILURE);
        ::DragFinish(drop);
        return 0;
    }
    return ::CallWindowProcW(PrevWndProc, hwnd, message, wParam, lParam);
}

}  // namespace rublet
