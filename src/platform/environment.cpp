#include "platform/environment.h"

#include <windows.h>

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

}  // namespace rublet
