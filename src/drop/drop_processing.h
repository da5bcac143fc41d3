#pragma once
// What happens to a drop once the timer has taken it over: confirmation,
// one shell delete for all paths, completion message and event sound.
// Portable; the desktop is reached through DropDesktop.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "main_window/settings.h"

namespace rublet {

// Message box styles and answers, as the platform numbers them.
namespace box {
inline constexpr unsigned Ok = 0x00;
inline constexpr unsigned OkCancel = 0x01;
inline constexpr unsigned IconError = 0x10;
inline constexpr unsigned IconQuestion = 0x20;
inline constexpr unsigned IconExclamation = 0x30;
inline constexpr unsigned IconInformation = 0x40;
inline constexpr int IdOk = 1;
}  // namespace box

// Shell file-operation flags.
namespace fof {
inline constexpr unsigned NoConfirmation = 0x0010;
inline constexpr unsigned AllowUndo = 0x0040;
inline constexpr unsigned SimpleProgress = 0x0100;
inline constexpr unsigned WantNukeWarning = 0x4000;
}  // namespace fof

enum class MousePointer { Default, Hourglass };

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
    // The "EmptyRecycleBin" event's sound as stored (unexpanded), or "".
    virtual std::wstring EventSoundName() = 0;
    virtual void PlayEventSound(const std::wstring& name) = 0;
};

// 0 = nothing pending, -1 = a drop waits for the timer.
extern std::int16_t DropPending;

// The paths of the latest drop, in the drop's order.
extern std::vector<std::wstring> DroppedFiles;
[[nodiscard]] inline std::size_t DroppedCount() noexcept { return DroppedFiles.size(); }

// "C:\", "C:", "\\server\share", "\\?\C:\" and the like: a whole drive or share.
[[nodiscard]] bool IsDriveOrShareRoot(std::wstring_view path);

[[nodiscard]] std::wstring ConfirmationText(std::size_t count, std::int16_t option1);
[[nodiscard]] unsigned ConfirmationStyle(std::int16_t option1);
[[nodiscard]] unsigned DeleteFlags(std::int16_t option1);
// Each path followed by a NUL, and one more NUL after the last.
[[nodiscard]] std::wstring SourceList(const std::vector<std::wstring>& paths);

void ProcessDroppedFiles(const SettingsRecord& settings, const std::vector<std::wstring>& paths,
                         DropDesktop& desktop);

}  // namespace rublet
