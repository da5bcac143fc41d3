#pragma once
// Names that are not user text: the settings' address, window classes,
// the places in the system that the program reads or opens.

#include <string_view>

namespace rublet::names {

// Stored as HKEY_CURRENT_USER\Software\<application>\<section>.
inline constexpr std::wstring_view SettingsApplication = L"Rublet";
inline constexpr std::wstring_view SettingsSection = L"setting";
inline constexpr std::wstring_view KeyDefleft = L"Defleft";
inline constexpr std::wstring_view KeyDeftop = L"Deftop";
inline constexpr std::wstring_view KeyBmpdir = L"Bmpdir";
inline constexpr std::wstring_view KeyOption1 = L"Option1";
inline constexpr std::wstring_view KeyOption2 = L"Option2";
inline constexpr std::wstring_view KeyOption3 = L"Option3";
inline constexpr std::wstring_view KeyOption4 = L"Option4";
inline constexpr std::wstring_view KeyOption5 = L"Option5";

// What the picture chooser offers, in every language.
inline constexpr std::wstring_view PictureFilterPattern = L"*.bmp;*.gif;*.jpg;*.ico;*.png";

inline constexpr std::wstring_view DefaultPictureFile = L"Rublet.bmp";
// The default bin for high-dpi displays, beside the program only.
inline constexpr std::wstring_view DefaultPicture64File = L"Rublet64.png";
inline constexpr std::wstring_view DefaultPicture128File = L"Rublet128.png";
// Beside the program, it holds the settings instead of the registry.
inline constexpr std::wstring_view PortableSettingsFile = L"Rublet.ini";
// Before the extension of the picture shown while the Recycle Bin holds anything.
inline constexpr std::wstring_view FullPictureSuffix = L"_full";

// The sound of the "EmptyRecycleBin" event, as the user's scheme stores it.
// Windows keeps the event among Explorer's; a sound set for it among the
// system's own events is taken where Explorer's has none.
inline constexpr std::wstring_view EmptyRecycleBinSoundKeys[] = {
    L"AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current",
    L"AppEvents\\Schemes\\Apps\\.Default\\EmptyRecycleBin\\.Current",
};

// Explorer rooted at the Recycle Bin folder.
inline constexpr std::wstring_view ExplorerVerb = L"Open";
inline constexpr std::wstring_view ExplorerFile = L"explorer.exe";
inline constexpr std::wstring_view ExplorerParameters = L"/root,::{645FF040-5081-101B-9F08-00AA002F954E}";
inline constexpr int ShowNormal = 1;

// One bin per user session: the mutex that the running one holds, in the
// session's own namespace.
inline constexpr wchar_t SingleBinMutex[] = L"Local\\Rublet";

// Messages of the main window beyond the system's (WM_APP on).
inline constexpr unsigned RecycleBinChangedMessage = 0x8001;  // the program changed the Recycle Bin
inline constexpr unsigned ShellChangeMessage = 0x8002;        // the shell reports a change in it
inline constexpr unsigned ShowTheBinMessage = 0x8003;         // a second start asks to see the bin
inline constexpr unsigned RecycleBinStorageMessage = 0x8004;  // the folder of its items changed
inline constexpr unsigned AfterShowMessage = 0x8005;          // what start-up leaves until the bin shows
inline constexpr unsigned RecycleBinLookedMessage = 0x8006;   // a look at the Recycle Bin has ended
inline constexpr unsigned UndoMessage = 0x8011;               // take the last drop back
inline constexpr unsigned UndoEndedMessage = 0x8012;          // taking it back has ended
inline constexpr unsigned RecycleBinEmptiedMessage = 0x8013;  // the menu emptied the Recycle Bin

inline constexpr wchar_t Form1Class[] = L"Rublet.Form1";
inline constexpr wchar_t Form2Class[] = L"Rublet.Form2";
inline constexpr wchar_t Form3Class[] = L"Rublet.Form3";

}  // namespace rublet::names
