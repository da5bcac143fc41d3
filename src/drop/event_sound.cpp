#include "drop/event_sound.h"

#include <mmsystem.h>

#include "platform/late_bound.h"
#include "platform/registry.h"

namespace rublet {

std::wstring ReadRegString(HKEY root, std::wstring_view subkey, std::wstring_view valueName) {
    auto value = ReadRegistryText(root, subkey, valueName);
    return value ? std::move(value->Text) : std::wstring();
}

std::wstring ExpandEnvironment(const std::wstring& text) {
    DWORD size = ::ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    while (size > 0) {
        std::wstring expanded(size, L'\0');
        const DWORD needed = ::ExpandEnvironmentStringsW(text.c_str(), expanded.data(), size);
        if (needed == 0) break;
        if (needed <= size) {
            expanded.resize(needed - 1);
            return expanded;
        }
        size = needed;
    }
    return text;
}

void PlayEventSound(const std::wstring& name) {
    static const auto play = LateBound<decltype(::sndPlaySoundW)>(L"winmm.dll", "sndPlaySoundW");
    if (play) play(ExpandEnvironment(name).c_str(), SND_ASYNC);
}

}  // namespace rublet
