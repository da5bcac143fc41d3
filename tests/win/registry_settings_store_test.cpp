#include "settings/registry_settings_store.h"

#include <gtest/gtest.h>

#include "support.h"

using namespace rublet;

// A string is read whole up to its first NUL, an empty one stays empty, and
// reading creates nothing; other types read as absent, but for the
// expandable string, which is kept unexpanded.
TEST(RegistrySettingsStore, ReadsTextWholeAndOtherTypesAsAbsent) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
    RegistrySettingsStore store;
    const auto Read = [&](const wchar_t* key) { return store.Read(L"Rublet", L"setting", key); };
    EXPECT_EQ(Read(L"Defleft"), std::nullopt);
    HKEY key = nullptr;
    EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Rublet", 0, KEY_READ, &key), ERROR_SUCCESS);

    const std::wstring longText = L"C:\\音\\" + std::wstring(3000, L's') + L".wav";
    const std::wstring sound = L"%SystemRoot%\\media\\Windows Recycle.wav";
    const struct { const wchar_t* name; DWORD type; std::wstring stored; std::optional<std::wstring> read; } values[] = {
        {L"Bmpdir", REG_SZ, L"C:\\絵\\ごみ箱 😀.bmp", L"C:\\絵\\ごみ箱 😀.bmp"}, {L"Option5", REG_SZ, L"", L""},
        {L"Option1", REG_SZ, std::wstring(L"12\0" L"34", 5), L"12"}, {L"Option2", REG_SZ, longText, longText},
        {L"Option3", REG_MULTI_SZ, L"5", std::nullopt}, {L"Option4", REG_EXPAND_SZ, sound, sound}};
    for (const auto& value : values) {
        testing_support::StoreRegValue(HKEY_CURRENT_USER, L"Software\\Rublet\\setting", value.name, value.type, value.stored);
        EXPECT_EQ(Read(value.name), value.read) << testing::PrintToString(value.name);
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
}
