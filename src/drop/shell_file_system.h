#pragma once
// The desktop that dropped files are processed against: message boxes
// owned by the main window, the shell's delete, the event sound.

#include <windows.h>

#include "drop/drop_processing.h"

namespace rublet {

class ShellDesktop final : public DropDesktop {
public:
    explicit ShellDesktop(HWND owner) noexcept : owner_(owner) {}

    int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) override;
    void SetMousePointer(MousePointer pointer) override;
    ShellResult DeleteFiles(const std::wstring& sourceList, unsigned flags) override;
    std::vector<FolderEntry> FolderEntries(const std::wstring& folder) override;
    std::optional<std::wstring> FinalPath(const std::wstring& path) override;
    bool ShellFollowsLinks() override;
    std::wstring UpperCase(std::wstring_view name) override;
    std::vector<std::wstring> RedirectedFolders() override;
    std::wstring EventSoundName() override;
    void PlayEventSound(const std::wstring& name) override;

private:
    HWND owner_;
};

}  // namespace rublet
