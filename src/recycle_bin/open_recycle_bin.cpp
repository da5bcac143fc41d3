#include "recycle_bin/open_recycle_bin.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/system/handles.h"

namespace rublet {
namespace {

// Explorer rooted at the Recycle Bin folder.
constexpr wchar_t ExplorerVerb[] = L"Open";
constexpr wchar_t ExplorerFile[] = L"explorer.exe";
constexpr wchar_t ExplorerParameters[] = L"/root,::{645FF040-5081-101B-9F08-00AA002F954E}";

constexpr wchar_t TrashOpener[] = L"winebrowser.exe trash:///";
// An opener still running by then has found a program for the address.
constexpr DWORD OpenerWaitMs = 5000;

}  // namespace

void OpenRecycleBinInExplorer() {
    ::ShellExecuteW(nullptr, ExplorerVerb, ExplorerFile, ExplorerParameters, L"", SW_SHOWNORMAL);
}

bool OpenTrashUnderWine() {
    std::wstring command(TrashOpener);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                          &process))
        return false;
    const UniqueKernelHandle processHandle(process.hProcess), threadHandle(process.hThread);
    if (::WaitForSingleObject(process.hProcess, OpenerWaitMs) == WAIT_TIMEOUT) return true;
    DWORD code = 1;
    ::GetExitCodeProcess(process.hProcess, &code);
    return code == 0;
}

}  // namespace rublet
