#pragma once
// The program's own messages to the main window, from WM_APP on: the
// numbers are shared by the windows that post them and a second start.

namespace rublet::names {

inline constexpr unsigned RecycleBinChangedMessage = 0x8001;  // the program changed the Recycle Bin
inline constexpr unsigned ShowTheBinMessage = 0x8003;         // a second start asks to see the bin
inline constexpr unsigned AfterShowMessage = 0x8005;          // what start-up leaves until the bin shows
inline constexpr unsigned RecycleBinStateMessage = 0x8006;    // what the Recycle Bin holds has changed
inline constexpr unsigned DropProcessedMessage = 0x8007;      // a drop's processing has ended
inline constexpr unsigned UndoMessage = 0x8011;               // take the last drop back
inline constexpr unsigned UndoEndedMessage = 0x8012;          // taking it back has ended
inline constexpr unsigned RecycleBinEmptiedMessage = 0x8013;  // the menu emptied the Recycle Bin

}  // namespace rublet::names
