#pragma once
// The last drop into the Recycle Bin, kept so that it can be taken back,
// and its undo: the Recycle Bin is read and its entries restored through
// the shell's Recycle Bin folder, on a thread of its own, since a large
// Recycle Bin takes seconds to read. The window is told when it has ended.

#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "undo/drop_undo.h"

namespace rublet {

class RecycleBinUndo {
public:
    // Posts `message` to `window` when an undo has ended.
    RecycleBinUndo(HWND window, UINT message);

    void Remember(RecycledDrop drop) { last_ = std::move(drop); }
    void Forget() noexcept { last_.reset(); }
    // How many items an undo would take back; 0 for none.
    [[nodiscard]] std::size_t Count() const noexcept { return last_ ? last_->Paths.size() : 0; }

    // Starts taking the last drop back, which is then forgotten; false when
    // there is none, or an undo still runs.
    bool Start();
    // What the undo that has ended did with each item.
    [[nodiscard]] std::vector<UndoItem> TakeOutcome();
    // The undo's share of the main window's messages: the menu's command and
    // Ctrl+Z start it; at its end the window is told that the Recycle Bin
    // changed and the outcome is reported (a full undo only where
    // `reportDone`); an emptied Recycle Bin leaves nothing to undo. False
    // for any other message.
    bool HandleMessage(HWND window, UINT message, WPARAM wParam, bool reportDone);

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::optional<RecycledDrop> last_;
};

}  // namespace rublet
