#pragma once
// The main window's own messages, from WM_APP on: a second start of the
// program posts one of them.

namespace rublet::names {

inline constexpr unsigned ShowTheBinMessage = 0x8003;  // a second start asks to see the bin
inline constexpr unsigned AfterShowMessage = 0x8005;   // what start-up leaves until the bin shows

}  // namespace rublet::names
