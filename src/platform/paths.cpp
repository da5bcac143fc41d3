#include "platform/paths.h"

namespace rublet {

std::wstring DirectoryOfModule(std::wstring_view modulePath) {
    const std::size_t separator = modulePath.find_last_of(L"\\/");
    if (separator == std::wstring_view::npos) return {};
    std::wstring directory(modulePath.substr(0, separator));
    if (directory.size() == 2 && directory[1] == L':') directory += L'\\';
    return directory;
}

std::wstring ExtendedLengthPath(std::wstring_view path) {
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\')
        return L"\\\\?\\" + std::wstring(path);
    if (path.size() > 2 && path.substr(0, 2) == L"\\\\" && path[2] != L'?' && path[2] != L'.')
        return L"\\\\?\\UNC\\" + std::wstring(path.substr(2));
    return std::wstring(path);
}

}  // namespace rublet
