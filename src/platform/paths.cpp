#include "platform/paths.h"

namespace rublet {

std::wstring DirectoryOfModule(std::wstring_view modulePath) {
    const std::size_t separator = modulePath.find_last_of(L"\\/");
    if (separator == std::wstring_view::npos) return {};
    std::wstring directory(modulePath.substr(0, separator));
    if (directory.size() == 2 && directory[1] == L':') directory += L'\\';
    return directory;
}

}  // namespace rublet
