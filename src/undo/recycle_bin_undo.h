#pragma once
// The drops into the Recycle Bin that can be taken back, and their undo: the
// Recycle Bin is read and its entries restored through the shell's Recycle
// Bin folder, item by item, as a job on a worker, in the gate's turn.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/window/background_job.h"
#include "platform/window/ui_tasks.h"
#include "recycle_bin/recycle_bin_gate.h"
#include "undo/drop_undo.h"

namespace rublet {

class RecycleBinUndo {
public:
    // `ended` runs on the window's thread with what became of each item.
    RecycleBinUndo(UiTasks& tasks, RecycleBinGate& gate, std::function<void(const std::vector<UndoItem>&)> ended);

    // The drop that Ctrl+Z takes back from now on; numbered here.
    void Remember(RecycledDrop drop);
    // No drop to take back with Ctrl+Z (the last one was deleted for good).
    void Forget() noexcept { last_.reset(); }
    // The Recycle Bin was emptied: no drop so far can come back.
    void Emptied() noexcept;
    [[nodiscard]] const std::optional<RecycledDrop>& Last() const noexcept { return last_; }

    // Whether `drop` may still come back: not emptied since, and not taken
    // back already.
    [[nodiscard]] bool CanTakeBack(const RecycledDrop& drop) const noexcept;
    // Starts taking `drop` back; false when it cannot come back or an undo
    // runs.
    bool Start(const RecycledDrop& drop);
    [[nodiscard]] bool Running() const noexcept { return job_.Running(); }
    // The session ends: the undo stops between two items, each whole in
    // its place or in the Recycle Bin; waits for it.
    void EndSession() noexcept;

private:
    RecycleBinGate& gate_;
    const std::function<void(const std::vector<UndoItem>&)> ended_;
    std::optional<RecycledDrop> last_;
    std::uint64_t numbered_ = 0;       // the number of the drop remembered last
    std::uint64_t emptiedThrough_ = 0; // drops up to this number went with an emptying
    std::vector<std::uint64_t> takenBack_;
    BackgroundJob job_;  // in an apartment for the shell's Recycle Bin folder
};

}  // namespace rublet
