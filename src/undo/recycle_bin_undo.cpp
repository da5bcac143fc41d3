#include "undo/recycle_bin_undo.h"

#include <algorithm>

#include "platform/system/file_system.h"
#include "recycle_bin/recycle_bin_folder.h"

namespace rublet {
namespace {

// The whole undo, on the worker, in the gate's turn.
std::vector<UndoItem> UndoDrop(const RecycledDrop& drop, RecycleBinGate& gate, const StopToken& stop) {
    const RecycleBinGate::Turn turn = gate.Enter();
    const RecycleBinFolder recycleBin;
    std::vector<UndoItem> items = MatchDrop(drop, recycleBin.Entries());
    for (UndoItem& item : items) {
        if (item.Fate != UndoFate::Restore) continue;
        if (stop.StopRequested()) {
            item.Fate = UndoFate::Failed;
            continue;
        }
        // Looked at right before: what stands there now is never written over.
        if (Exists(item.Path)) {
            item.Fate = UndoFate::Occupied;
            continue;
        }
        recycleBin.Restore(item.Entry);
        // Wine's restore says it succeeded whether or not the move did.
        item.Fate = Exists(item.Path) ? UndoFate::Restored : UndoFate::Failed;
    }
    return items;
}

}  // namespace

RecycleBinUndo::RecycleBinUndo(UiTasks& tasks, RecycleBinGate& gate,
                               std::function<void(const std::vector<UndoItem>&)> ended)
    : gate_(gate), ended_(std::move(ended)), job_(tasks, Apartment::SingleThreaded) {}

void RecycleBinUndo::Remember(RecycledDrop drop) {
    drop.Number = ++numbered_;
    last_ = std::move(drop);
}

void RecycleBinUndo::Emptied() noexcept {
    emptiedThrough_ = numbered_;
    last_.reset();
}

bool RecycleBinUndo::CanTakeBack(const RecycledDrop& drop) const noexcept {
    return drop.Number > emptiedThrough_ && std::find(takenBack_.begin(), takenBack_.end(), drop.Number) == takenBack_.end();
}

bool RecycleBinUndo::Start(const RecycledDrop& drop) {
    if (!CanTakeBack(drop) || job_.Running()) return false;
    const bool started = job_.Start([drop, &gate = gate_](const StopToken& stop) { return UndoDrop(drop, gate, stop); },
                                    [this](std::vector<UndoItem> items) { ended_(items); });
    if (!started) return false;
    takenBack_.push_back(drop.Number);
    if (last_ && last_->Number == drop.Number) last_.reset();
    return true;
}

void RecycleBinUndo::EndSession() noexcept {
    job_.RequestStop();
    job_.Wait();
}

}  // namespace rublet
