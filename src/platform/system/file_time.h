#pragma once
// Times as FILETIME ticks: 100 ns since 1601, UTC, as one number.

#include <windows.h>

#include <cstdint>

namespace rublet {

[[nodiscard]] inline std::int64_t Ticks(const FILETIME& time) noexcept {
    return static_cast<std::int64_t>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

[[nodiscard]] inline std::int64_t FileTimeNow() noexcept {
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    return Ticks(now);
}

}  // namespace rublet
