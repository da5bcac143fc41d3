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

class DropDesktop {
public:
    virtual ~DropDesktop() = default;
    virtual int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;
    // One FO_DELETE request; `sourceList` is double-NUL terminated.
    virtual ShellResult DeleteFiles(const std::wstring& sourceList, unsigned flags) = 0;
    // The names of what a folder holds.
    [[nodiscard]] virtual std::vector<std::wstring> FolderNames(const std::wstring& folder) = 0;
    // The first of `paths` that is a folder holding anything whose path is
    // longer than `limit` characters; empty when there is none.
    [[nodiscard]] virtual std::wstring FolderHoldingPathLongerThan(const std::vector<std::wstring>& paths,
                                                                   std::size_t limit) = 0;
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
