#pragma once
// The commands of the two popup menus that need no window of their own:
// the version box, opening the Recycle Bin and emptying it. Portable; the
// desktop is reached through MenuDesktop.

#include <string_view>

namespace rublet {

// Explorer rooted at the Recycle Bin folder.
inline constexpr std::wstring_view ExplorerVerb = L"Open";
inline constexpr std::wstring_view ExplorerFile = L"explorer.exe";
inline constexpr std::wstring_view ExplorerParameters = L"/root,::{645FF040-5081-101B-9F08-00AA002F954E}";
inline constexpr int ShowNormal = 1;

class MenuDesktop {
public:
    virtual ~MenuDesktop() = default;
    virtual int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) = 0;
    // ShellExecute with no owner window.
    virtual void ShellOpen(std::wstring_view verb, std::wstring_view file, std::wstring_view parameters,
                              std::wstring_view directory, int show) = 0;
    // The main window's drop handling.
    virtual void UnhookWindow() = 0;
    virtual void DragAcceptFiles() = 0;
    virtual void HookWindow() = 0;
    // SHEmptyRecycleBin for all drives, flags 0: the shell confirms,
    // shows its progress and plays its sound.
    virtual void EmptyRecycleBin() = 0;
};

void mabout_Click(MenuDesktop& desktop);
void mopen_Click(MenuDesktop& desktop);
// Whatever the shell did, drops work again afterwards; a drop collected
// before the command is discarded.
void mempty_Click(MenuDesktop& desktop);

}  // namespace rublet
