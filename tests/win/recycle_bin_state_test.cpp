#include "recycle_bin/recycle_bin_state.h"

#include <gtest/gtest.h>

#include "platform/system/handles.h"
#include "support.h"

using namespace rublet;

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
