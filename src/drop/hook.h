#pragma once
// The main window's procedure hook and the drop state.

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

#include "drop/drop_processing.h"

namespace rublet {

// The procedure HookWindow replaced; null while no hook is installed.
extern WNDPROC PrevWndProc;

// Installs WindowProc in front of the window's procedure; does nothing
// while a hook is installed (it would become its own predecessor).
void HookWindow(HWND hwnd) noexcept;
// Restores the previous procedure; does nothing without a hook.
void UnhookWindow(HWND hwnd) noexcept;

// Every path of a drop, whole, in the drop's order.
[[nodiscard]] std::vector<std::wstring> ReadDroppedPaths(HDROP drop);

// Collects a drop into DroppedFiles and raises DropPending; every other
// message goes on to the previous procedure.
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace rublet
