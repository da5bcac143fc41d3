#pragma once
// The sound of the "EmptyRecycleBin" event, as the user's scheme stores it.
// Windows keeps the event among Explorer's; a sound set for it among the
// system's own events is taken where Explorer's has none.

#include <string_view>

namespace rublet::names {

inline constexpr std::wstring_view EmptyRecycleBinSoundKeys[] = {
    L"AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current",
    L"AppEvents\\Schemes\\Apps\\.Default\\EmptyRecycleBin\\.Current",
};

}  // namespace rublet::names
