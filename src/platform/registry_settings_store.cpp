#include "platform/registry_settings_store.h"

#include "platform/handles.h"

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
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0,
                        KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    UniqueRegKey settings(opened);
    const std::wstring name(key);
    for (;;) {
        DWORD type = 0;
        DWORD bytes = 0;
        if (::RegQueryValueExW(settings.get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
                ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::nullopt;
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD capacity = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LONG status = ::RegQueryValueExW(settings.get(), name.c_str(), nullptr, &type,
                                               reinterpret_cast<BYTE*>(text.data()), &capacity);
        if (status == ERROR_MORE_DATA) continue;  // grew in between
        if (status != ERROR_SUCCESS) return std::nullopt;
        text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
        return text;
    }
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
