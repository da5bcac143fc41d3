#pragma once
// The sound of the "EmptyRecycleBin" event, as the user's scheme stores it.

#include <string>

namespace rublet {

// The sound as stored (unexpanded): Explorer's entry for the event, or
// where that is empty the system's own; "" for none.
[[nodiscard]] std::wstring EventSoundName();
// Starts the sound without waiting; an empty name is passed on too.
void PlayEventSound(const std::wstring& name);

}  // namespace rublet
