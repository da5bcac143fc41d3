#include "platform/system/registry.h"

#include <gtest/gtest.h>

#include "layouts/names.h"
#include "support.h"

using namespace rublet;

// The sound's value, which Windows stores as REG_EXPAND_SZ, is read unexpanded.
TEST(ReadRegString, GivesAnEmptyTextForNoKeyAndAnExpandableTextUnexpanded) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    const std::wstring key(names::EmptyRecycleBinSoundKey), sound = L"%SystemRoot%\\media\\Windows Recycle.wav";
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key, L""), L"") << "no key";
    testing_support::StoreRegValue(HKEY_CURRENT_USER, key, L"", REG_EXPAND_SZ, sound);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key, L""), sound);
}
