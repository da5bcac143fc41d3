#pragma once
// A watch of the folder where the Recycle Bin keeps its items, for a shell
// that does not report every change of it: Wine's keeps them in the
// freedesktop trash of the Unix user and says nothing when another program
// recycles or empties.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/system/handles.h"
#include "platform/window/ui_tasks.h"

namespace rublet {

// Under Wine, runs `changed` on the window's thread when a name comes or
// goes in $XDG_DATA_HOME/Trash/info (one .trashinfo for each item), or,
// while that folder is not there, in the nearest of Trash and the data
// folder itself. Costs nothing between changes: the system signals a change
// handle, and a wait of the thread pool posts `changed`. Once a change; the
// watcher calls Rearm before it looks, so a change after its look brings
// another. Watches nothing elsewhere (Watching() is false).
class TrashFolderWatch {
public:
    TrashFolderWatch(UiTasks& tasks, std::function<void()> changed);
    TrashFolderWatch(const TrashFolderWatch&) = delete;
    TrashFolderWatch& operator=(const TrashFolderWatch&) = delete;
    ~TrashFolderWatch() = default;

    [[nodiscard]] bool Watching() const noexcept { return static_cast<bool>(change_); }

    // After `changed`: watches again, moving to the folder that now stands
    // nearest the info folder. Watching() is false when no folder can be
    // watched any more.
    void Rearm() noexcept;

private:
    static void CALLBACK Signalled(void* self, BOOLEAN timedOut) noexcept;
    void Watch() noexcept;

    UiTasks& tasks_;
    const std::function<void()> changed_;
    // The info folder, the trash and the data folder, in that order.
    std::vector<std::wstring> folders_;
    std::size_t watched_ = 0;  // index in folders_ of the folder change_ watches
    // Gone with the watch: a change posted before finds it gone and does nothing.
    std::shared_ptr<TrashFolderWatch*> self_ = std::make_shared<TrashFolderWatch*>(this);
    UniqueChangeNotification change_;
    // Declared after change_: the wait ends before the handle it waits on.
    UniqueWaitRegistration wait_;
};

}  // namespace rublet
