#pragma once
// The main window's procedure hook and the drop state.

#include <windows.h>

#include <cstdint>

namespace rublet {

// 0 = nothing pending, -1 = a drop waits for the timer.
extern std::int16_t DropPending;
// The procedure HookWindow replaced; null while no hook is installed.
extern WNDPROC PrevWndProc;

// Installs WindowProc in front of the window's procedure; does nothing
// while a hook is installed (it would become its own predecessor).
void HookWindow(HWND hwnd) noexcept;
// Restores the previous procedure; does nothing without a hook.
void UnhookWindow(HWND hwnd) noexcept;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace rublet
