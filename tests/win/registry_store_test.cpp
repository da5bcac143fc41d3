#include "platform/registry_settings_store.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "main_window/settings.h"

namespace rublet {
namespace {

constexpr wchar_t SettingsKey[] = L"Software\\Rublet\\setting";

class RegistryStore : public testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet"); }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet"); }

    static bool KeyExists(const wchar_t* path) {
        HKEY key = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        ::RegCloseKey(key);
        return true;
    }

    RegistrySettingsStore store;
};

TEST_F(RegistryStore, SavesOneStringValuePerKeyUnderTheApplicationAndSection) {
    store.Save(L"Rublet", L"setting", L"Defleft", L"7680");
    store.Save(L"Rublet", L"setting", L"Bmpdir", L"C:\\絵\\ごみ箱 😀.bmp");

    DWORD type = 0;
    wchar_t text[64] = {};
    DWORD bytes = sizeof text;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, SettingsKey, L"Defleft", RRF_RT_ANY, &type, text, &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(text, L"7680");
    EXPECT_EQ(bytes, sizeof L"7680");
    EXPECT_EQ(store.Read(L"Rublet", L"setting", L"Bmpdir"), L"C:\\絵\\ごみ箱 😀.bmp");
}

TEST_F(RegistryStore, AnAbsentApplicationSectionOrKeyReadsAsNothingAndCreatesNothing) {
    EXPECT_EQ(store.Read(L"Rublet", L"setting", L"Defleft"), std::nullopt);
    EXPECT_FALSE(KeyExists(L"Software\\Rublet"));
    store.Save(L"Rublet", L"setting", L"Deftop", L"0");
    EXPECT_EQ(store.Read(L"Rublet", L"setting", L"Defleft"), std::nullopt);
    EXPECT_EQ(store.Read(L"Rublet", L"other", L"Deftop"), std::nullopt);
    EXPECT_EQ(store.Read(L"Rublet", L"setting", L"deftop").value_or(L"absent"), L"0")
        << "registry value names ignore letter case";
    EXPECT_EQ(GetSetting(store, L"Rublet", L"setting", L"Option4", L"0"), L"0");
}

TEST_F(RegistryStore, AnEmptyValueIsKeptEmptyAndTextStopsAtItsFirstNul) {
    store.Save(L"Rublet", L"setting", L"Bmpdir", L"");
    EXPECT_EQ(store.Read(L"Rublet", L"setting", L"Bmpdir"), L"");

    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const wchar_t withNul[] = L"12\0" L"34";
    ::RegSetValueExW(key, L"Option1", 0, REG_SZ, reinterpret_cast<const BYTE*>(withNul), sizeof withNul);
    const std::wstring longText(5000, L'x');
    ::RegSetValueExW(key, L"Option2", 0, REG_SZ, reinterpret_cast<const BYTE*>(longText.c_str()),
                     static_cast<DWORD>((longText.size() + 1) * sizeof(wchar_t)));
    const DWORD number = 5;
    ::RegSetValueExW(key, L"Option3", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    ::RegCloseKey(key);

    EXPECT_EQ(store.Read(L"Rublet", L"setting", L"Option1"), L"12");
    EXPECT_EQ(store.Read(L"Rublet", L"setting", L"Option2"), longText);
    EXPECT_EQ(store.Read(L"Rublet", L"setting", L"Option3"), std::nullopt) << "not text";
}

TEST_F(RegistryStore, StartUpReadsTheStoredTextsWithTheirRules) {
    store.Save(L"Rublet", L"setting", L"Defleft", L"7680.5");
    store.Save(L"Rublet", L"setting", L"Deftop", L"-15");
    store.Save(L"Rublet", L"setting", L"Option1", L"0");
    const SettingsReading reading = ReadSettings(store, {15360, 11520}, L"T:\\bin");
    EXPECT_EQ(reading.Record.Defleft, 7680);
    EXPECT_EQ(reading.Record.Deftop, 5760);
    EXPECT_EQ(reading.Record.Option1, 0);
    EXPECT_EQ(reading.Record.Bmpdir, L"T:\\bin\\Rublet.bmp");
    EXPECT_EQ(store.Read(L"Rublet", L"setting", L"Bmpdir"), std::nullopt) << "defaults are not written back";
}

}  // namespace
}  // namespace rublet
