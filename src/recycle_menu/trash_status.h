#pragma once
// The Recycle Bin's status line. Portable.

#include <cstdint>
#include <string>

namespace rublet {

// "空っぽ" for no items; otherwise the count, "個のｵﾌﾞｼﾞｪｸﾄ(", the size in
// megabytes (single precision, rounded to hundredths with "###0.00", at
// most 7 significant digits) and "MB)".
[[nodiscard]] std::wstring TrashStatusText(std::int64_t count, std::int64_t bytes);

}  // namespace rublet
