#include "platform/system/environment.h"

#include <windows.h>

#include "platform/system/late_bound.h"

namespace rublet {

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

std::wstring EnvironmentVariable(const wchar_t* name) {
    std::wstring value(MAX_PATH, L'\0');
    DWORD length = ::GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    if (length >= value.size()) {
        value.resize(length);
        length = ::GetEnvironmentVariableW(name, value.data(), length);
    }
    value.resize(length < value.size() ? length : 0);
    return value;
}

bool RunsUnderWine() noexcept {
    return LoadedExport<const char* CDECL()>(RUBLET_RUNTIME_NAME(L"ntdll.dll", "wine_get_version")) != nullptr;
}

}  // namespace rublet
