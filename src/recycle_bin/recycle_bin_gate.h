#pragma once
// The Recycle Bin as the program's threads share it. Wine's shell opens
// each item's .trashinfo without FILE_SHARE_DELETE while it reads the
// Recycle Bin, so a restore or an emptying that ran meanwhile could not
// remove that file and left it behind in the trash, its item gone. Every
// look, undo and emptying goes through this one gate, one at a time.

#include <mutex>

namespace rublet {

class RecycleBinGate {
public:
    using Turn = std::unique_lock<std::mutex>;

    // Waits for the turn, which lasts as long as the object returned. On a
    // worker only: a turn can last seconds.
    [[nodiscard]] Turn Enter() { return Turn(mutex_); }

private:
    std::mutex mutex_;
};

}  // namespace rublet
