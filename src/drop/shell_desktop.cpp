#include "drop/shell_desktop.h"

#include <shellapi.h>

#include "drop/event_sound.h"
#include "layouts/names.h"
#include "platform/handles.h"
#include "platform/paths.h"
#include "platform/message_box.h"
#include "platform/registry.h"

namespace rublet {

int ShellDesktop::ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) {
    return MsgBox(owner_, text, style, title);
}

void ShellDesktop::SetMousePointer(MousePointer pointer) { SetAppMousePointer(pointer); }

ShellResult ShellDesktop::DeleteFiles(const std::wstring& sourceList, unsigned flags) {
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = owner_;
    operation.wFunc = FO_DELETE;
    operation.pFrom = sourceList.c_str();
    operation.fFlags = static_cast<FILEOP_FLAGS>(flags);
    const int code = ::SHFileOperationW(&operation);
    return {code, operation.fAnyOperationsAborted != FALSE};
}

std::vector<std::wstring> ShellDesktop::FolderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const UniqueFind search(::FindFirstFileExW((ExtendedLengthPath(folder) + L"\\*").c_str(), FindExInfoBasic, &found,
                                               FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) return names;
    do names.emplace_back(found.cFileName);
    while (::FindNextFileW(search.get(), &found));
    return names;
}

std::wstring ShellDesktop::EventSoundName() {
    return ReadRegString(HKEY_CURRENT_USER, names::EmptyRecycleBinSoundKey, L"");
}

void ShellDesktop::PlayEventSound(const std::wstring& name) { rublet::PlayEventSound(name); }

}  // namespace rublet
