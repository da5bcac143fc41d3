#include "recycle_menu/recycle_bin.h"

#include <shellapi.h>

#include <string>

#include "drop/hook.h"
#include "platform/window/message_box.h"

namespace rublet {

int ShellMenuDesktop::ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) {
    return MsgBox(mainWindow_, text, style, title);
}

void ShellMenuDesktop::ShellOpen(std::wstring_view verb, std::wstring_view file, std::wstring_view parameters,
                                    std::wstring_view directory, int show) {
    ::ShellExecuteW(nullptr, std::wstring(verb).c_str(), std::wstring(file).c_str(),
                    std::wstring(parameters).c_str(), std::wstring(directory).c_str(), show);
}

void ShellMenuDesktop::SuspendDropHandling() { rublet::SuspendDropHandling(mainWindow_); }
void ShellMenuDesktop::ResumeDropHandling() { rublet::ResumeDropHandling(mainWindow_); }
void ShellMenuDesktop::EmptyRecycleBin() { ::SHEmptyRecycleBinW(menuHost_, L"", 0); }

}  // namespace rublet
