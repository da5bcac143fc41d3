#pragma once
// An item of the Recycle Bin as the shell describes it. Portable.

#include <cstdint>
#include <optional>
#include <string>

namespace rublet {

struct RecycleBinEntry {
    std::wstring OriginalPath;
    std::optional<std::int64_t> DeletedAt;  // FILETIME ticks; nothing where the shell does not tell
};

}  // namespace rublet
