#include "platform/system/registry.h"

#include <vector>

#include "platform/system/handles.h"

namespace rublet {

std::optional<RegistryText> ReadRegistryText(HKEY root, std::wstring_view subkey, std::wstring_view valueName) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(root, std::wstring(subkey).c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    UniqueRegKey key(opened);
    const std::wstring name(valueName);
    RegistryText value;
    DWORD bytes = 0;
    LONG status = ::RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.Type, nullptr, &bytes);
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD capacity = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        status = ::RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.Type,
                                    reinterpret_cast<BYTE*>(buffer.data()), &capacity);
        if (status == ERROR_SUCCESS) {
            const std::wstring_view data(buffer.data(), capacity / sizeof(wchar_t));
            value.Text = data.substr(0, data.find(L'\0'));
            return value;
        }
        bytes = capacity;  // grew in between: ask again with its new size
    }
    return std::nullopt;
}

std::wstring ReadRegString(HKEY root, std::wstring_view subkey, std::wstring_view valueName) {
    auto value = ReadRegistryText(root, subkey, valueName);
    return value ? std::move(value->Text) : std::wstring();
}

}  // namespace rublet
