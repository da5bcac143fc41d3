#include "recycle_bin/trash_folder_watch.h"

#include <string_view>

#include "platform/portable/paths.h"
#include "platform/system/environment.h"
#include "platform/system/file_system.h"
#include "platform/system/late_bound.h"
#include "platform/system/utf8.h"

namespace rublet {
namespace {

// Wine's export that names a Unix path as a Windows one; absent on Windows,
// so bound at run time and never linked.
using DosFileNameFunction = WCHAR* CDECL(const char* unixPath);

// The Unix path of the freedesktop trash's info folder: $XDG_DATA_HOME
// when it is an absolute path, else $HOME/.local/share.
std::wstring TrashInfoUnixPath() {
    std::wstring data = EnvironmentVariable(L"XDG_DATA_HOME");
    if (data.empty() || data.front() != L'/') {
        const std::wstring home = EnvironmentVariable(L"HOME");
        if (home.empty() || home.front() != L'/') return {};
        data = home + L"/.local/share";
    }
    while (data.size() > 1 && data.back() == L'/') data.pop_back();
    return data + L"/Trash/info";
}

std::wstring DosPath(const std::wstring& unixPath) {
    auto* const toDos = LoadedExport<DosFileNameFunction>(RUBLET_RUNTIME_NAME(L"kernel32.dll", "wine_get_dos_file_name"));
    if (!toDos || unixPath.empty()) return {};
    WCHAR* const dos = toDos(ToUtf8(unixPath).c_str());
    if (!dos) return {};
    std::wstring path(dos);
    ::HeapFree(::GetProcessHeap(), 0, dos);
    return path;
}

}  // namespace

TrashFolderWatch::TrashFolderWatch(UiTasks& tasks, std::function<void()> changed)
    : tasks_(tasks), changed_(std::move(changed)) {
    if (!RunsUnderWine()) return;
    try {
        // The info folder, then the two folders above it.
        const std::wstring info = DosPath(TrashInfoUnixPath());
        const PathParts parts = SplitPath(info);
        for (std::size_t level = 0; level < 3 && level < parts.Names.size(); ++level) {
            const std::wstring_view name = parts.Names[parts.Names.size() - 1 - level];
            folders_.emplace_back(info.substr(0, static_cast<std::size_t>(name.data() - info.data()) + name.size()));
        }
    } catch (...) {
        folders_.clear();
    }
    if (folders_.size() == 3) Watch();
}

void TrashFolderWatch::Watch() noexcept {
    wait_.reset();
    std::size_t nearest = 0;
    while (nearest < folders_.size() && !IsFolder(folders_[nearest])) ++nearest;
    // The same folder again: its handle is re-armed rather than made anew,
    // so a change since the signal is not lost.
    if (!(change_ && nearest == watched_ && ::FindNextChangeNotification(change_.get()))) {
        change_.reset();
        if (nearest == folders_.size()) return;
        change_.reset(::FindFirstChangeNotificationW(folders_[nearest].c_str(), FALSE,
                                                     FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME));
        watched_ = nearest;
        if (!change_) return;
    }
    HANDLE wait = nullptr;
    if (::RegisterWaitForSingleObject(&wait, change_.get(), &Signalled, this, INFINITE,
                                      WT_EXECUTEONLYONCE | WT_EXECUTEINWAITTHREAD))
        wait_.reset(wait);
    else
        change_.reset();
}

void TrashFolderWatch::Rearm() noexcept {
    if (change_) Watch();
}

// On a thread of the pool. The wait ends before the watch goes
// (UnregisterWaitEx waits for this callback); the task may run later.
void CALLBACK TrashFolderWatch::Signalled(void* self, BOOLEAN) noexcept {
    auto* const watch = static_cast<TrashFolderWatch*>(self);
    try {
        watch->tasks_.Post([alive = std::weak_ptr(watch->self_)] {
            if (const std::shared_ptr<TrashFolderWatch*> found = alive.lock()) (*found)->changed_();
        });
    } catch (...) {
        // No memory for the task: this change goes unseen, the next look sees it.
    }
}

}  // namespace rublet
