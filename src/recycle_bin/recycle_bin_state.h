#pragma once
// The Recycle Bin as the bin knows it: how many items it holds and their
// size, from which the full or empty picture and the status line follow.
// Each look reads every item (seconds for a large Recycle Bin under Wine),
// so the looks run on a thread of their own and the window never waits for
// one: it is told when a look has ended and reads the last state known.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace rublet {

struct RecycleBinContents {
    std::int64_t Count = 0;
    std::int64_t Bytes = 0;
    unsigned LookMs = 0;  // how long the look took

    [[nodiscard]] bool Full() const noexcept { return Count != 0; }
    // The status line: the size only for a count that is not 0.
    [[nodiscard]] std::wstring StatusLine() const;
};

class RecycleBinState {
public:
    // Starts the first look; posts `message` to `window` whenever a look ends.
    RecycleBinState(HWND window, UINT message);
    RecycleBinState(const RecycleBinState&) = delete;
    RecycleBinState& operator=(const RecycleBinState&) = delete;
    // At once: a look under way is left to end by itself, and then changes
    // and posts nothing. The process ends with the window, and the look
    // with it.
    ~RecycleBinState();

    // The Recycle Bin may have changed: a look follows. However many
    // changes come while a look runs, one more look follows it.
    void Look() noexcept;

    // The last contents known; before the first look has ended, waits for
    // it up to `wait`, and nothing when it has not ended by then.
    [[nodiscard]] std::optional<RecycleBinContents> Last(std::chrono::milliseconds wait = {}) const;

private:
    struct Shared;  // what the looking thread shares with the window
    std::shared_ptr<Shared> shared_;
};

}  // namespace rublet
