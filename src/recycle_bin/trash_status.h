#pragma once
// The Recycle Bin's status line. Portable.

#include <cstdint>
#include <string>

namespace rublet {

// TrashEmpty for no items; otherwise TrashObjects (TrashObjectsOne for one)
// with the count and the size in megabytes (single precision, rounded to
// hundredths with "###0.00", at most 7 significant digits).
[[nodiscard]] std::wstring TrashStatusText(std::int64_t count, std::int64_t bytes);

}  // namespace rublet
