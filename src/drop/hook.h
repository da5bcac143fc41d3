#pragma once
// The main window's procedure hook and the drop state, which only this
// folder changes: DropHandling takes the hook down and puts it in again.

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

namespace rublet {

// The procedure HookWindow replaced; null while no hook is installed.
extern WNDPROC PrevWndProc;
// 0 = nothing pending, -1 = a drop waits for the timer.
extern std::int16_t DropPending;
// The paths of the latest drop collected, in the drop's order; they stay
// until the next drop replaces them.
extern std::vector<std::wstring> DroppedFiles;

// Installs WindowProc in front of the window's procedure; does nothing
// while a hook is installed (it would become its own predecessor).
void HookWindow(HWND hwnd) noexcept;
// Restores the previous procedure; does nothing without a hook.
void UnhookWindow(HWND hwnd) noexcept;

// Every path of a drop, whole, in the drop's order.
[[nodiscard]] std::vector<std::wstring> ReadDroppedPaths(HDROP drop);
// The same through the shell's own reader, DragQueryFileW for each index.
// Wine's walks the list from its start for every index, so there a drop of
// n paths costs n * n / 2 steps; ReadDroppedPaths uses it only for a block
// it cannot lock.
[[nodiscard]] std::vector<std::wstring> QueryDroppedPaths(HDROP drop);

// A drop's paths into DroppedFiles, and DropPending raised; false when they
// found no memory. WM_DROPFILES and the drop target both collect so.
bool CollectDrop(HDROP drop) noexcept;

// Collects a drop into DroppedFiles and raises DropPending; every other
// message goes on to the previous procedure.
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace rublet
