// The platform layer against the real system of the sandbox's prefix: the
// registry as the settings store and the sound lookup read it, and the
// Recycle Bin as the bin's look asks it.
#include <gtest/gtest.h>

#include "layouts/names.h"
#include "platform/system/environment.h"
#include "platform/system/handles.h"
#include "platform/system/registry.h"
#include "recycle_bin/recycle_bin_state.h"
#include "settings/registry_settings_store.h"
#include "support.h"

namespace {
using namespace rublet;
using testing_support::StoreRegValue;

constexpr wchar_t SettingsKey[] = L"Software\\Rublet\\setting";
const std::wstring SoundKey(names::EmptyRecycleBinSoundKey);

// A string is read whole up to its first NUL, an empty one stays empty, and
// reading creates nothing; other types read as absent for the store, not for
// the sound.
TEST(Registry, ReadsTextWholeAndOtherTypesAsAbsentOnlyForTheStore) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, SoundKey.c_str());
    RegistrySettingsStore store;
    const auto Read = [&](const wchar_t* key) { return store.Read(L"Rublet", L"setting", key); };
    EXPECT_EQ(Read(L"Defleft"), std::nullopt);
    HKEY key = nullptr;
    EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Rublet", 0, KEY_READ, &key), ERROR_SUCCESS);
    store.Save(L"Rublet", L"setting", L"Bmpdir", L"");
    EXPECT_EQ(Read(L"Bmpdir"), L"");

    const std::wstring longText = L"C:\\音\\" + std::wstring(3000, L's') + L".wav";
    const std::wstring sound = L"%SystemRoot%\\media\\Windows Recycle.wav";
    const struct { const wchar_t* name; DWORD type; std::wstring stored; std::optional<std::wstring> read; } values[] = {
        {L"Bmpdir", REG_SZ, L"C:\\絵\\ごみ箱 😀.bmp", L"C:\\絵\\ごみ箱 😀.bmp"},
        {L"Option1", REG_SZ, std::wstring(L"12\0" L"34", 5), L"12"}, {L"Option2", REG_SZ, longText, longText},
        {L"Option3", REG_MULTI_SZ, L"5", std::nullopt}, {L"Option4", REG_EXPAND_SZ, sound, sound}};  // kept unexpanded
    for (const auto& value : values) {
        StoreRegValue(HKEY_CURRENT_USER, SettingsKey, value.name, value.type, value.stored);
        EXPECT_EQ(Read(value.name), value.read) << testing::PrintToString(value.name);
    }

    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, SoundKey, L""), L"") << "no key";
    StoreRegValue(HKEY_CURRENT_USER, SoundKey, L"", REG_EXPAND_SZ, sound);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, SoundKey, L""), sound);
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    EXPECT_EQ(ExpandEnvironment(sound), std::wstring(windows) + L"\\media\\Windows Recycle.wav");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
}

// A look counts hidden items too, and each look asked for tells the window
// when it has ended.
TEST(RecycleBinState, LooksAgainWhenAskedAndTellsTheWindow) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    constexpr DWORD Quietly = SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND;
    constexpr UINT Looked = WM_APP + 1;
    ::SHEmptyRecycleBinW(nullptr, nullptr, Quietly);
    const UniqueWindow window(::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
    RecycleBinState state(window.get(), Looked);
    const auto looked = [&] {
        MSG message{};
        for (const ULONGLONG end = ::GetTickCount64() + 10000; ::GetTickCount64() < end; ::Sleep(10))
            if (::PeekMessageW(&message, window.get(), Looked, Looked, PM_REMOVE)) return state.Last();
        return std::optional<RecycleBinContents>();
    };
    ASSERT_EQ(looked().value_or(RecycleBinContents{-1}).Count, 0);
    for (const wchar_t* name : {L"T:\\recycled and hidden.txt", L"T:\\recycled too.txt"}) {
        const std::wstring list = name + std::wstring(1, L'\0');  // and the string's own NUL
        testing_support::WriteEmptyFile(name);
        ::SetFileAttributesW(name, FILE_ATTRIBUTE_HIDDEN);
        SHFILEOPSTRUCTW operation{};
        operation.wFunc = FO_DELETE, operation.pFrom = list.c_str();
        operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
        ASSERT_EQ(::SHFileOperationW(&operation), 0);
    }
    state.Look();
    EXPECT_EQ(looked().value_or(RecycleBinContents{}).Count, 2);
    ::SHEmptyRecycleBinW(nullptr, nullptr, Quietly);
}

}  // namespace
