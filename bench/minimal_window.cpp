// The least a Win32 program does to show a window: the yardstick of
// startup_bench.
#include <windows.h>

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) ::PostQuitMessage(0);
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Proc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"MinimalWindow";
    ::RegisterClassW(&windowClass);
    ::CreateWindowExW(WS_EX_TOOLWINDOW, L"MinimalWindow", L"", WS_POPUP | WS_VISIBLE, 512, 384, 32, 32, nullptr,
                      nullptr, instance, nullptr);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    return 0;
}
