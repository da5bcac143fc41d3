#include "drop/event_sound.h"

#include <gtest/gtest.h>

#include "support.h"

using namespace rublet;

// The sound of the "EmptyRecycleBin" event as the user's scheme stores it:
// Explorer's entry first, the system's own where Explorer's is empty or
// absent, and the value unexpanded, as Windows stores it (REG_EXPAND_SZ).
TEST(EventSoundName, ReadsExplorersEntryThenTheSystemsOne) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    const std::wstring explorer = L"AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current";
    const std::wstring system = L"AppEvents\\Schemes\\Apps\\.Default\\EmptyRecycleBin\\.Current";
    const std::wstring recycle = L"%SystemRoot%\\media\\Windows Recycle.wav", ding = L"C:\\ding.wav";
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"AppEvents");
    EXPECT_EQ(EventSoundName(), L"") << "no scheme";
    testing_support::StoreRegValue(HKEY_CURRENT_USER, system, L"", REG_SZ, ding);
    testing_support::StoreRegValue(HKEY_CURRENT_USER, explorer, L"", REG_EXPAND_SZ, L"");
    EXPECT_EQ(EventSoundName(), ding) << "Explorer's entry empty";
    testing_support::StoreRegValue(HKEY_CURRENT_USER, explorer, L"", REG_EXPAND_SZ, recycle);
    EXPECT_EQ(EventSoundName(), recycle);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"AppEvents");
}
