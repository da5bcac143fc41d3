#include "undo/open_trash.h"

#include <windows.h>

#include <string>

#include "platform/system/handles.h"

namespace rublet {
namespace {

constexpr wchar_t TrashOpener[] = L"winebrowser.exe trash:///";
// An opener still running by then has found a program for the address.
constexpr DWORD OpenerWaitMs = 5000;

}  // namespace

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
