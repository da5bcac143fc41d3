#include "drop/event_sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/system/environment.h"
#include "platform/system/late_bound.h"

namespace rublet {

void PlayEventSound(const std::wstring& name) {
    static const auto play = LateBound<decltype(::sndPlaySoundW)>(L"winmm.dll", "sndPlaySoundW");
    if (play) play(ExpandEnvironment(name).c_str(), SND_ASYNC);
}

}  // namespace rublet
