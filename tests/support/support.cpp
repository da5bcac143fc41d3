#include "support.h"

#include <psapi.h>
#include <shlobj.h>

#include <fstream>

#include "platform/handles.h"

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace rublet::testing_support {
namespace {

SIZE_T CommittedBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;  // the commit charge; Wine leaves PrivateUsage at 0
}

}  // namespace

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

bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs) {
    const ULONGLONG end = ::GetTickCount64() + limitMs;
    while (!condition()) {
        if (::GetTickCount64() >= end) return false;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void StoreRegValue(HKEY root, const std::wstring& subkey, const std::wstring& name, DWORD type,
                   const std::wstring& text) {
    HKEY created = nullptr;
    ::RegCreateKeyExW(root, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr);
    const UniqueRegKey key(created);
    ::RegSetValueExW(key.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void WriteEmptyFile(const std::wstring& path) {
    const UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

HDROP MakeDrop(const std::vector<std::wstring>& paths, SIZE_T padding) {
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    list += L'\0';
    const SIZE_T listBytes = list.size() * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + listBytes + padding);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    BYTE* bytes = reinterpret_cast<BYTE*>(header) + sizeof(DROPFILES);
    ::CopyMemory(bytes, list.data(), listBytes);
    ::FillMemory(bytes + listBytes, padding, 0x5A);  // the ballast is touched, so it counts
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

bool FreesDrop(const std::vector<std::wstring>& paths, const std::function<void(HDROP)>& action) {
    constexpr SIZE_T Ballast = 64 << 20;
    const SIZE_T before = CommittedBytes();
    const HDROP drop = MakeDrop(paths, Ballast);
    if (CommittedBytes() < before + Ballast / 2) return false;  // a measure blind to the ballast proves nothing
    action(drop);
    return CommittedBytes() < before + Ballast / 2;
}

}  // namespace rublet::testing_support
