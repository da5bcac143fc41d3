#include "platform/system/program_directory.h"

#include <windows.h>

#include <vector>

#include "platform/portable/paths.h"

namespace rublet {

std::wstring ProgramDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return DirectoryOfModule({buffer.data(), length});
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring BesideProgram(std::wstring_view file) { return JoinPath(ProgramDirectory(), file); }

}  // namespace rublet
