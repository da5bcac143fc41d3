#include "settings/registry_settings_store.h"

#include "platform/system/handles.h"
#include "platform/system/registry.h"

namespace rublet {

std::wstring RegistrySettingsStore::KeyPath(std::wstring_view application,
                                            std::wstring_view section) {
    std::wstring path = L"Software\\";
    path += application;
    path += L'\\';
    path += section;
    return path;
}

std::optional<std::wstring> RegistrySettingsStore::Read(std::wstring_view application,
                                                        std::wstring_view section,
                                                        std::wstring_view key) const {
    auto value = ReadRegistryText(HKEY_CURRENT_USER, KeyPath(application, section), key);
    if (!value || (value->Type != REG_SZ && value->Type != REG_EXPAND_SZ)) return std::nullopt;
    return std::move(value->Text);
}

void RegistrySettingsStore::Save(std::wstring_view application, std::wstring_view section,
                                 std::wstring_view key, std::wstring_view text) {
    HKEY created = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, nullptr,
                          0, KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS)
        return;  // no writer examines the store's failures
    UniqueRegKey settings(created);
    const std::wstring name(key);
    const std::wstring value(text);
    ::RegSetValueExW(settings.get(), name.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace rublet
