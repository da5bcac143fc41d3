#include "support.h"

#include <fstream>

namespace rublet::testing_support {

bool InSandbox() {
    static const bool inSandbox = [] {
        wchar_t expected[256] = {};
        std::wifstream file("C:\\rublet-sandbox.token");
        std::wstring token;
        return ::GetEnvironmentVariableW(L"RUBLET_SANDBOX_TOKEN", expected, 256) > 0 && file >> token &&
               token == expected;
    }();
    return inSandbox;
}

void StoreRegValue(HKEY root, const std::wstring& subkey, const std::wstring& name, DWORD type,
                   const std::wstring& text) {
    ::RegSetKeyValueW(root, subkey.c_str(), name.c_str(), type, text.c_str(),
                      static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void WriteEmptyFile(const std::wstring& path) {
    ::CloseHandle(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

HDROP MakeDrop(const std::vector<std::wstring>& paths, SIZE_T padding) {
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    const SIZE_T listBytes = (list.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(DROPFILES) + listBytes + padding);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
    *header = {sizeof(DROPFILES), {0, 0}, FALSE, TRUE};
    BYTE* bytes = reinterpret_cast<BYTE*>(header + 1);
    ::CopyMemory(bytes, list.c_str(), listBytes);
    ::FillMemory(bytes + listBytes, padding, 0x5A);  // the ballast is touched, so it counts
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace rublet::testing_support
