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

namespace {

// Calls `visit` with the name and attributes of each entry of `folder`, but
// "." and ".."; stops early when it returns true, and returns that.
template <class Visit>
bool AnyEntry(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW found{};
    const UniqueFind search(::FindFirstFileExW((ExtendedLengthPath(folder) + L"\\*").c_str(), FindExInfoBasic, &found,
                                               FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) return false;
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L".." && visit(name, found.dwFileAttributes)) return true;
    } while (::FindNextFileW(search.get(), &found));
    return false;
}

bool IsFolder(DWORD attributes) {
    // A junction or link is removed as itself, not walked into.
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

std::vector<FolderEntry> ShellDesktop::FolderEntries(const std::wstring& folder) {
    std::vector<FolderEntry> entries;
    AnyEntry(folder, [&](std::wstring_view name, DWORD attributes) {
        entries.push_back({std::wstring(name), IsFolder(attributes)});
        return false;
    });
    return entries;
}

// The walk goes no deeper than the limit.
bool ShellDesktop::HoldsPathLongerThan(const std::wstring& folder, std::size_t limit) {
    return AnyEntry(folder, [&](std::wstring_view name, DWORD attributes) {
        const std::wstring path = folder + L"\\" + std::wstring(name);
        return path.size() > limit || (IsFolder(attributes) && HoldsPathLongerThan(path, limit));
    });
}

std::wstring ShellDesktop::EventSoundName() {
    return ReadRegString(HKEY_CURRENT_USER, names::EmptyRecycleBinSoundKey, L"");
}

void ShellDesktop::PlayEventSound(const std::wstring& name) { rublet::PlayEventSound(name); }

}  // namespace rublet
