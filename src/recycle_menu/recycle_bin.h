#pragma once
// The desktop the menu commands act on.

#include <windows.h>

#include <string>

#include "recycle_menu/menu_commands.h"

namespace rublet {

class ShellMenuDesktop final : public MenuDesktop {
public:
    ShellMenuDesktop(HWND mainWindow, HWND menuHost) noexcept : mainWindow_(mainWindow), menuHost_(menuHost) {}

    int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) override;
    void ShellOpen(std::wstring_view verb, std::wstring_view file, std::wstring_view parameters,
                      std::wstring_view directory, int show) override;
    void SuspendDropHandling() override;
    void ResumeDropHandling() override;
    void EmptyRecycleBin() override;

private:
    HWND mainWindow_;
    HWND menuHost_;
};

}  // namespace rublet
