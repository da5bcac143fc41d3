#pragma once
// What happens to a drop once the timer has taken it over: confirmation,
// one shell delete for all paths, completion message and event sound.
// Portable; the desktop is reached through DropDesktop.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "platform/vocabulary.h"

namespace rublet {

struct ShellResult {
    int Code = 0;                       // 0 on success
    bool AnyOperationsAborted = false;  // the user cancelled or declined a warning
};

struct FolderEntry {
    std::wstring Name;
    bool IsFolder = false;
};

class DropDesktop {
public:
    virtual ~DropDesktop() = default;
    virtual int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;
    // One FO_DELETE request; `sourceList` is double-NUL terminated.
    virtual ShellResult DeleteFiles(const std::wstring& sourceList, unsigned flags) = 0;
    // What a folder holds, as names, each with whether it is a folder to
    // walk into (not a link or junction).
    [[nodiscard]] virtual std::vector<FolderEntry> FolderEntries(const std::wstring& folder) = 0;
    // Whether anything below `folder` has a path longer than `limit`
    // characters.
    [[nodiscard]] virtual bool HoldsPathLongerThan(const std::wstring& folder, std::size_t limit) = 0;
    // The "EmptyRecycleBin" event's sound as stored (unexpanded), or "".
    virtual std::wstring EventSoundName() = 0;
    virtual void PlayEventSound(const std::wstring& name) = 0;
};

// The longest path the shell's file operations take: MAX_PATH with its
// terminating NUL. A longer one overruns the buffers of Wine's shell, which
// has then deleted the contents of the current folder instead.
inline constexpr std::size_t MaxShellPath = 259;

// "C:\", "C:", "\\server\share", "\\?\C:\" and the like: a whole drive or share.
[[nodiscard]] bool IsDriveOrShareRoot(std::wstring_view path);

void ProcessDroppedFiles(const SettingsRecord& settings, const std::vector<std::wstring>& paths,
                         DropDesktop& desktop);

}  // namespace rublet
