// Loaded into Rublet's process by the probe's hook, since a menu can be read
// only in its own process: on the probe's message, a popup menu window takes
// its items as its title, in the probe's records of controls.
#include <windows.h>

#include <string>

extern "C" __declspec(dllexport) LRESULT CALLBACK ReadMenuHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT ReadMenu = ::RegisterWindowMessageW(L"Rublet.ReadMenu");
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == ReadMenu) {
        constexpr UINT MenuGetHmenu = 0x01E1;  // MN_GETHMENU
        const auto menu = reinterpret_cast<HMENU>(::SendMessageW(message->hwnd, MenuGetHmenu, 0, 0));
        std::wstring items;
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            wchar_t text[256] = {};
            ::GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
            RECT r{};
            ::GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r);
            items += L"\titem\t" + std::wstring(text) + L"\t" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) +
                     L"," + std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom) + L"\t0\t\x1e";
        }
        ::SetWindowTextW(message->hwnd, items.c_str());
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
