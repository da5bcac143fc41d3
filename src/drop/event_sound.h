#pragma once
// The sound of the "EmptyRecycleBin" event, as the user's scheme stores it.

#include <string>

namespace rublet {

// Starts the sound without waiting; an empty name is passed on too.
void PlayEventSound(const std::wstring& name);

}  // namespace rublet
