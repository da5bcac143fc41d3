#pragma once
// The shell's Recycle Bin folder: its entries as the shell lists them, and
// its own restore of one. On a worker, in the gate's turn (a large Recycle
// Bin takes seconds to read under Wine).

#include <windows.h>
#include <shlobj.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/system/handles.h"
#include "recycle_bin/recycle_bin_entry.h"

namespace rublet {

class RecycleBinFolder {
public:
    // Lists the entries; none where the folder cannot be read.
    RecycleBinFolder();

    [[nodiscard]] const std::vector<RecycleBinEntry>& Entries() const noexcept { return entries_; }

    // The Recycle Bin's own restore of an entry. Should something reach the
    // place after the look that precedes this, Wine's asks whether to
    // replace it and then fails to move, since its MoveFileW replaces nothing.
    void Restore(std::size_t entry) const;

private:
    [[nodiscard]] RecycleBinEntry Describe(PCUITEMID_CHILD child) const;
    [[nodiscard]] std::optional<std::int64_t> DeletionTime(PCUITEMID_CHILD child) const;
    [[nodiscard]] std::optional<std::wstring> Detail(PCUITEMID_CHILD child, const SHCOLUMNID& id) const;

    ComPtr<IShellFolder2> folder_;
    std::vector<UniquePidl> pidls_;
    std::vector<RecycleBinEntry> entries_;
};

}  // namespace rublet
