#pragma once
// Taking back the last drop into the Recycle Bin: which entry of the
// Recycle Bin each dropped item became, which entries may come back, and
// what the user is told. Portable; recycle_bin_undo reads and restores the
// Recycle Bin itself.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "recycle_bin/recycle_bin_entry.h"

namespace rublet {

// Times in FILETIME ticks: 100 ns since 1601, UTC.
inline constexpr std::int64_t TicksPerSecond = 10'000'000;

// A drop that went to the Recycle Bin, between the two times; numbered
// from 1 in the order the drops were remembered.
struct RecycledDrop {
    std::vector<std::wstring> Paths;
    std::int64_t Start = 0;
    std::int64_t End = 0;
    std::uint64_t Number = 0;
};

enum class UndoFate {
    Restore,    // its one entry is known; nothing tried yet
    Restored,
    Occupied,   // something stands at its place: it stays in the Recycle Bin
    Missing,    // no entry of this drop holds it
    Ambiguous,  // more than one entry may be it: none is taken
    Failed,     // the Recycle Bin's restore left it where it was
};

struct UndoItem {
    std::wstring Path;
    UndoFate Fate = UndoFate::Missing;
    std::size_t Entry = 0;  // of the entries matched, for Restore
};

// Each dropped path with the entry the drop made of it: the same original
// path, deleted between the drop's start (to the whole second, which is as
// fine as some Recycle Bins keep the time) and its end. An entry deleted
// before the drop, or one whose time is unknown, is never taken.
[[nodiscard]] std::vector<UndoItem> MatchDrop(const RecycledDrop& drop, const std::vector<RecycleBinEntry>& entries);

// The menu item for a drop of `count` items.
[[nodiscard]] std::wstring UndoCaption(std::size_t count);

// What the user is told once the undo has ended: UndoDone only when every
// item came back, else what came back and what did not, and why.
[[nodiscard]] std::wstring UndoReport(const std::vector<UndoItem>& items);

[[nodiscard]] bool AllRestored(const std::vector<UndoItem>& items) noexcept;

}  // namespace rublet
