#pragma once
// A watch of the folder where the Recycle Bin keeps its items, for a shell
// that does not report every change of it: Wine's keeps them in the
// freedesktop trash of the Unix user and says nothing when another program
// recycles or empties.

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/system/handles.h"

namespace rublet {

// Under Wine, posts `message` to the window when a name comes or goes in
// $XDG_DATA_HOME/Trash/info (one .trashinfo for each item), or, while that
// folder is not there, in the nearest of Trash and the data folder itself.
// Costs nothing between changes: the system signals a change handle and a
// thread-pool wait posts the message. One message a change; the watcher
// calls Rearm before it looks, so a change after its look brings another.
// Watches nothing elsewhere (Watching() is false).
class RecycleBinStorageWatch {
public:
    RecycleBinStorageWatch(HWND hwnd, UINT message) noexcept;
    RecycleBinStorageWatch(const RecycleBinStorageWatch&) = delete;
    RecycleBinStorageWatch& operator=(const RecycleBinStorageWatch&) = delete;
    ~RecycleBinStorageWatch() = default;

    [[nodiscard]] bool Watching() const noexcept { return static_cast<bool>(change_); }

    // After the message: watches again, moving to the folder that now
    // stands nearest the info folder. Watching() is false when no folder
    // can be watched any more.
    void Rearm() noexcept;

private:
    static void CALLBACK Signalled(void* self, BOOLEAN timedOut) noexcept;
    void Watch() noexcept;

    const HWND hwnd_;
    const UINT message_;
    // The info folder, the trash and the data folder, in that order.
    std::vector<std::wstring> folders_;
    std::size_t watched_ = 0;  // index in folders_ of the folder change_ watches
    UniqueChangeNotification change_;
    // Declared after change_: the wait ends before the handle it waits on.
    UniqueWaitRegistration wait_;
};

}  // namespace rublet
