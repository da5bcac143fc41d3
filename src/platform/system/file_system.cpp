#include "platform/system/file_system.h"

#include <windows.h>

namespace rublet {
namespace {

DWORD AttributesOf(const std::wstring& path) noexcept { return ::GetFileAttributesW(path.c_str()); }

}  // namespace

bool Exists(const std::wstring& path) noexcept { return AttributesOf(path) != INVALID_FILE_ATTRIBUTES; }

bool IsFolder(const std::wstring& path) noexcept {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::wstring& path) noexcept {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace rublet
