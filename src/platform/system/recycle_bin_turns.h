#pragma once
// Wine's shell opens each item's .trashinfo without FILE_SHARE_DELETE while
// it reads the Recycle Bin, so a restore that runs meanwhile in another
// thread cannot remove that file and leaves it behind in the trash. The
// program's threads that read or restore the Recycle Bin take turns.

#include <mutex>

namespace rublet {

[[nodiscard]] inline std::mutex& RecycleBinTurns() noexcept {
    static std::mutex turns;
    return turns;
}

}  // namespace rublet
