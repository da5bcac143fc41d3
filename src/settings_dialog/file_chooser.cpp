#include "settings_dialog/file_chooser.h"

#include <commdlg.h>

#include <vector>

#include "platform/system/late_bound.h"

namespace rublet {

std::wstring ShowOpenFileDialog(HWND owner, std::wstring_view filter,
                                const std::wstring& initialDirectory, const std::wstring& title) {
    // Room for the longest path the system has, not MAX_PATH.
    constexpr DWORD BufferLength = 32768;
    std::vector<wchar_t> file(BufferLength, L'\0');
    std::vector<wchar_t> fileTitle(BufferLength, L'\0');
    std::wstring filterList(filter);
    filterList += L'\0';  // an empty description ends the list

    OPENFILENAMEW dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    dialog.hwndOwner = owner;
    dialog.hInstance = ::GetModuleHandleW(nullptr);
    dialog.lpstrFilter = filterList.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = BufferLength;
    dialog.lpstrFileTitle = fileTitle.data();
    dialog.nMaxFileTitle = BufferLength;
    dialog.lpstrInitialDir = initialDirectory.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    static const auto open = LateBound<decltype(::GetOpenFileNameW)>(RUBLET_RUNTIME_NAME(L"comdlg32.dll", "GetOpenFileNameW"));
    if (!open || !open(&dialog)) return {};
    return std::wstring(file.data());
}

}  // namespace rublet
