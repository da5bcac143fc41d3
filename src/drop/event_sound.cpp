#include "drop/event_sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "drop/sound_keys.h"
#include "platform/system/environment.h"
#include "platform/system/late_bound.h"
#include "platform/system/registry.h"

namespace rublet {

std::wstring EventSoundName() {
    for (const std::wstring_view key : names::EmptyRecycleBinSoundKeys)
        if (std::wstring sound = ReadRegString(HKEY_CURRENT_USER, key, L""); !sound.empty()) return sound;
    return {};
}

void PlayEventSound(const std::wstring& name) {
    static const auto play = LateBound<decltype(::sndPlaySoundW)>(RUBLET_RUNTIME_NAME(L"winmm.dll", "sndPlaySoundW"));
    if (play) play(ExpandEnvironment(name).c_str(), SND_ASYNC);
}

}  // namespace rublet
