#pragma once
// The file system and the shell's delete that a drop is checked against
// and handed to, on the drop's worker. The shell's own windows (its
// progress, its warnings) have no owner: they belong to the worker's
// thread, which no window of the program's lives on.

#include <windows.h>

#include "drop/drop_processing.h"

namespace rublet {

class ShellFileSystem final : public DropFileSystem {
public:
    ShellResult DeleteFiles(const std::wstring& sourceList, unsigned flags) override;
    std::vector<FolderEntry> FolderEntries(const std::wstring& folder) override;
    std::optional<std::wstring> FinalPath(const std::wstring& path) override;
    bool InUse(const std::wstring& path) override;
    bool ShellFollowsLinks() override;
    std::vector<std::wstring> RedirectedFolders() override;
};

}  // namespace rublet
