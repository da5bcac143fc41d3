#include <windows.h>

#include "main_window/form1.h"
#include "platform/com.h"
#include "platform/registry_settings_store.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    rublet::ComApartment com;
    rublet::RegistrySettingsStore store;
    const auto form = rublet::Form1::Create(store);
    if (!form) return 1;
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
