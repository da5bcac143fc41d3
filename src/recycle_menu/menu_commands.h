#pragma once
// The commands of the two popup menus that need no window of their own:
// the version box, opening the Recycle Bin and emptying it. Portable; the
// desktop is reached through MenuDesktop.

#include <string_view>

namespace rublet {

class MenuDesktop {
public:
    virtual ~MenuDesktop() = default;
    virtual int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) = 0;
    // ShellExecute with no owner window.
    virtual void ShellOpen(std::wstring_view verb, std::wstring_view file, std::wstring_view parameters,
                              std::wstring_view directory, int show) = 0;
    // The main window's drop handling, taken down and brought back.
    virtual void SuspendDropHandling() = 0;
    virtual void ResumeDropHandling() = 0;
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
