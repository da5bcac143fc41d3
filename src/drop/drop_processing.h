#pragma once
// What happens to a drop once the timer has taken it over: the look at
// every path, the confirmation, the shell's delete, the completion message
// and the event sound. The looks and the shell's work run on a worker; the
// questions and the messages on the window's thread, between them.
// Portable: the file system, the user and the worker are reached through
// the interfaces below.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/portable/file_operation_flags.h"
#include "platform/portable/message_box_styles.h"
#include "settings/settings.h"

namespace rublet {

struct ShellResult {
    int Code = 0;                       // 0 on success
    bool AnyOperationsAborted = false;  // the user cancelled or declined a warning
    // The shell stopped at an item it could not recycle rather than delete
    // it for good (see DeleteFiles); the items before it were handed over.
    bool StoppedBeforeDeletingForGood = false;
};

struct FolderEntry {
    std::wstring Name;
    bool IsFolder = false;  // a directory, or a link or junction to one
    bool IsLink = false;    // a reparse point: a link, a junction or a mount point
};

// The file system and the shell's delete, as the worker sees them.
class DropFileSystem {
public:
    virtual ~DropFileSystem() = default;
    // One FO_DELETE request; `sourceList` is double-NUL terminated. Where
    // the shell follows links and cannot recycle an item, it would ask
    // whether to delete that item for good and walk into it on a yes: that
    // question is kept away, and the call stops there.
    virtual ShellResult DeleteFiles(const std::wstring& sourceList, unsigned flags) = 0;
    // What a folder holds, as listed; nothing when it cannot be listed.
    [[nodiscard]] virtual std::vector<FolderEntry> FolderEntries(const std::wstring& folder) = 0;
    // The full path of the item that the file system acts on for `path`
    // (a link opened as itself where the system can), or nothing when it
    // cannot be opened.
    [[nodiscard]] virtual std::optional<std::wstring> FinalPath(const std::wstring& path) = 0;
    // Whether another program holds the item open so that it cannot be
    // moved or deleted.
    [[nodiscard]] virtual bool InUse(const std::wstring& path) = 0;
    // Whether the shell's delete follows links: it acts on what a link
    // points to, and walks into linked folders (Wine's does; Windows'
    // removes a link or junction as itself).
    [[nodiscard]] virtual bool ShellFollowsLinks() = 0;
    // The folders whose paths the system sends elsewhere for this program
    // (a 32-bit program's system folder on 64-bit Windows); mostly none.
    [[nodiscard]] virtual std::vector<std::wstring> RedirectedFolders() = 0;
};

// The user, on the window's thread.
class DropUser {
public:
    virtual ~DropUser() = default;
    // A modal box owned by the bin; the button pressed.
    virtual int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) = 0;
    // The "EmptyRecycleBin" event's sound, looked up and started.
    virtual void PlayEventSound() = 0;
};

// Where the steps of a drop run: `work` on the worker, then `then` on the
// window's thread, told whether the work returned (false: it threw).
class DropSteps {
public:
    virtual ~DropSteps() = default;
    virtual void OnWorker(std::function<void()> work, std::function<void(bool returned)> then) = 0;
};

// The longest path the shell's file operations take: MAX_PATH with its
// terminating NUL. A longer one overruns the buffers of Wine's shell, which
// has then deleted the contents of the current folder instead.
inline constexpr std::size_t MaxShellPath = 259;

// Processes one drop, from the window's thread; `ended` runs there at its
// end, with whether every item went and the user was told so.
void ProcessDroppedFiles(const SettingsRecord& settings, std::vector<std::wstring> paths, DropFileSystem& files,
                         DropUser& user, DropSteps& steps, std::function<void(bool allGone)> ended);

}  // namespace rublet
