#include "drop/shell_desktop.h"

#include <shellapi.h>

#include <map>
#include <set>

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

// Whether anything below `folder` has a path longer than `limit`; the
// walk goes no deeper than that.
bool HoldsPathLongerThan(const std::wstring& folder, std::size_t limit) {
    return AnyEntry(folder, [&](std::wstring_view name, DWORD attributes) {
        const std::wstring path = folder + L"\\" + std::wstring(name);
        return path.size() > limit || (IsFolder(attributes) && HoldsPathLongerThan(path, limit));
    });
}

}  // namespace

std::vector<std::wstring> ShellDesktop::FolderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    AnyEntry(folder, [&](std::wstring_view name, DWORD) {
        names.emplace_back(name);
        return false;
    });
    return names;
}

std::wstring ShellDesktop::FolderHoldingPathLongerThan(const std::vector<std::wstring>& paths, std::size_t limit) {
    // Which of the paths are folders: one look into each folder they lie in.
    std::map<std::wstring, std::set<std::wstring, std::less<>>> byParent;
    for (const std::wstring& path : paths) {
        const std::size_t cut = path.find_last_of(L"\\/");
        if (cut != std::wstring::npos) byParent[path.substr(0, cut)].insert(path.substr(cut + 1));
    }
    std::wstring holding;
    for (const auto& [parent, names] : byParent)
        if (AnyEntry(parent, [&](std::wstring_view name, DWORD attributes) {
                const std::wstring path = parent + L"\\" + std::wstring(name);
                if (!names.count(name) || !IsFolder(attributes) || !HoldsPathLongerThan(path, limit)) return false;
                holding = path;
                return true;
            }))
            break;
    return holding;
}

std::wstring ShellDesktop::EventSoundName() {
    return ReadRegString(HKEY_CURRENT_USER, names::EmptyRecycleBinSoundKey, L"");
}

void ShellDesktop::PlayEventSound(const std::wstring& name) { rublet::PlayEventSound(name); }

}  // namespace rublet
