#include "drop/event_sound.h"

#include <mmsystem.h>

#include <vector>

#include "platform/handles.h"

namespace rublet {

std::wstring ReadRegString(HKEY root, std::wstring_view subkey, std::wstring_view valueName) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(root, std::wstring(subkey).c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return {};
    UniqueRegKey key(opened);
    const std::wstring name(valueName);
    DWORD bytes = 0;
    LONG status = ::RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, nullptr, &bytes);
    std::vector<wchar_t> buffer;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        buffer.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD capacity = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        status = ::RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr,
                                    reinterpret_cast<BYTE*>(buffer.data()), &capacity);
        if (status == ERROR_SUCCESS) {
            std::wstring text(buffer.data(), capacity / sizeof(wchar_t));
            return text.substr(0, text.find(L'\0'));
        }
        bytes = capacity;  // grew in between: ask again with its new size
    }
    return {};
}

std::wstring ExpandEnvironment(const std::wstring& text) {
    DWORD size = ::ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    while (size > 0) {
        std::wstring expanded(size, L'\0');
        const DWORD needed = ::ExpandEnvironmentStringsW(text.c_str(), expanded.data(), size);
        if (needed == 0) break;
        if (needed <= size) {
            expanded.resize(needed - 1);
            return expanded;
        }
        size = needed;
    }
    return text;
}

void PlayEventSound(const std::wstring& name) {
    ::sndPlaySoundW(ExpandEnvironment(name).c_str(), SND_ASYNC);
}

}  // namespace rublet
