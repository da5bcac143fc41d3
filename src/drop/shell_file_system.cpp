#include "drop/shell_file_system.h"

#include <shellapi.h>

#include "platform/portable/paths.h"
#include "platform/system/environment.h"
#include "platform/system/handles.h"

namespace rublet {

namespace {

// Set when the hook below kept a question of the shell's away, during a
// delete on this thread.
thread_local bool keptQuestionAway = false;

// Wine's shell asks in a dialog of its own before it deletes for good what
// its trash could not take, and makes no other window while it deletes; a
// dialog that is not made is a no.
LRESULT CALLBACK BeforeShellDialog(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && !(reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs->style & WS_CHILD)) {
        keptQuestionAway = true;
        return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

ShellResult ShellFileSystem::DeleteFiles(const std::wstring& sourceList, unsigned flags) {
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = nullptr;
    operation.wFunc = FO_DELETE;
    operation.pFrom = sourceList.c_str();
    operation.fFlags = static_cast<FILEOP_FLAGS>(flags);
    // Windows' shell removes what it cannot recycle as itself, walking no link.
    const bool asks = (flags & FOF_ALLOWUNDO) && ShellFollowsLinks();
    const UniqueHook hook(asks ? ::SetWindowsHookExW(WH_CBT, BeforeShellDialog, nullptr, ::GetCurrentThreadId()) : nullptr);
    if (asks && !hook) return {ERROR_CANCELLED, true};
    keptQuestionAway = false;
    const int code = ::SHFileOperationW(&operation);
    return {code, operation.fAnyOperationsAborted != FALSE, keptQuestionAway};
}

std::vector<FolderEntry> ShellFileSystem::FolderEntries(const std::wstring& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found{};
    const UniqueFind search(::FindFirstFileExW(ExtendedLengthPath(JoinPath(folder, L"*")).c_str(), FindExInfoBasic,
                                               &found, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) return entries;
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..")
            entries.push_back({std::wstring(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                               (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (::FindNextFileW(search.get(), &found));
    return entries;
}

std::optional<std::wstring> ShellFileSystem::FinalPath(const std::wstring& path) {
    // Attributes only: an item that another program holds open is still
    // opened. A link is opened as itself where the system can.
    const UniqueFile item(::CreateFileW(ExtendedLengthPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!item) return std::nullopt;
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(item.get(), final.data(), static_cast<DWORD>(final.size()),
                                                         FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return std::nullopt;
        if (length < final.size()) return final.substr(0, length);
        final.resize(length);
    }
}

// Wine's file system opens a link's target whatever the flags ask, and its
// shell deletes through links; it also lists a link to a file as a plain file.
bool ShellFileSystem::ShellFollowsLinks() { return RunsUnderWine(); }

// Held open without delete sharing, so that neither a move nor a delete
// can take it. Opened for deletion, as the shell would, and let go at once.
bool ShellFileSystem::InUse(const std::wstring& path) {
    const UniqueFile item(::CreateFileW(ExtendedLengthPath(path).c_str(), DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    return !item && ::GetLastError() == ERROR_SHARING_VIOLATION;
}

// A 32-bit program on 64-bit Windows, and under Wine's WOW64, has its paths
// under the system folder sent to its 32-bit twin, and "Sysnative" to the
// system folder, on the thread that asks and inside the shell's calls alike.
std::vector<std::wstring> ShellFileSystem::RedirectedFolders() {
    BOOL wow64 = FALSE;
    if (!::IsWow64Process(::GetCurrentProcess(), &wow64) || !wow64) return {};
    wchar_t windows[MAX_PATH];
    const UINT length = ::GetSystemWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    const std::wstring folder(windows, length);
    return {JoinPath(folder, L"System32"), JoinPath(folder, L"Sysnative"), JoinPath(folder, L"lastgood\\System32"),
            JoinPath(folder, L"regedit.exe")};
}

}  // namespace rublet
