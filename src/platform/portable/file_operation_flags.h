#pragma once
// The shell's file-operation flags, as numbers that portable code can use;
// platform/system/vocabulary_check.cpp holds them against the platform's
// own headers.

namespace rublet {

namespace fof {
inline constexpr unsigned NoConfirmation = 0x0010;
inline constexpr unsigned AllowUndo = 0x0040;
inline constexpr unsigned SimpleProgress = 0x0100;
inline constexpr unsigned WantNukeWarning = 0x4000;
}  // namespace fof

}  // namespace rublet
