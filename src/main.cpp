#include <windows.h>

#include <memory>
#include <string>

#include "texts/language.h"
#include "layouts/window_classes.h"
#include "main_window/form1_messages.h"
#include "main_window/form1.h"
#include "platform/system/com.h"
#include "platform/system/file_system.h"
#include "platform/system/handles.h"
#include "platform/system/program_directory.h"
#include "settings/ini_settings_store.h"
#include "settings/registry_settings_store.h"
#include "settings/settings_keys.h"

namespace {

// The mutex that the running bin holds, in the session's own namespace.
constexpr wchar_t SingleBinMutex[] = L"Local\\Rublet";

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    rublet::UseLanguage(rublet::LanguageOf(::GetUserDefaultUILanguage()));
    // One bin per user session: a second start shows the first one's bin
    // and ends. The first bin owns the mutex while it runs. One that has
    // just ended may still hold it for a moment (under Wine even after its
    // process has gone): then it has no window any more, and its end hands
    // the mutex over, abandoned, to this start.
    rublet::UniqueKernelHandle running(::CreateMutexW(nullptr, TRUE, SingleBinMutex));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        const HWND first = ::FindWindowW(rublet::names::Form1Class, nullptr);
        const DWORD taken = ::WaitForSingleObject(running.get(), first ? 0 : 2000);
        if (taken != WAIT_OBJECT_0 && taken != WAIT_ABANDONED) {
            if (first) ::PostMessageW(first, rublet::names::ShowTheBinMessage, 0, 0);
            return 0;
        }
    }
    const rublet::OleThread ole;
    // A Rublet.ini beside the program holds the settings instead of the
    // registry, so that they travel with it.
    const std::wstring portable = rublet::BesideProgram(rublet::names::PortableSettingsFile);
    std::unique_ptr<rublet::SettingsStore> store;
    if (rublet::IsFile(portable)) store = std::make_unique<rublet::IniSettingsStore>(portable);
    else store = std::make_unique<rublet::RegistrySettingsStore>();
    auto form = rublet::Form1::Create(*store);
    if (!form) return 1;
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    // The bin has gone: a new start may begin while the jobs under way end.
    ::ReleaseMutex(running.get());
    running.reset();
    form.reset();
    return static_cast<int>(message.wParam);
}
