#include "pictures/picture_paths.h"

#include "layouts/names.h"

namespace rublet {
namespace {

// The program's folder and a file name with a separator between them, even
// where the folder already ends in one (a drive's root).
std::wstring BesideProgram(std::wstring_view programDirectory, std::wstring_view file) {
    std::wstring path(programDirectory);
    path += L'\\';
    return path += file;
}

}  // namespace

std::wstring DefaultPicturePath(std::wstring_view programDirectory) {
    return BesideProgram(programDirectory, names::DefaultPictureFile);
}

std::vector<std::wstring> DefaultPicturePaths(std::wstring_view programDirectory, int dpi) {
    constexpr struct {
        int FromDpi;
        std::wstring_view File;
    } bins[] = {{288, names::DefaultPicture128File}, {144, names::DefaultPicture64File}, {0, names::DefaultPictureFile}};
    std::vector<std::wstring> paths;
    for (const auto& bin : bins)
        if (dpi >= bin.FromDpi) paths.push_back(BesideProgram(programDirectory, bin.File));
    return paths;
}

std::wstring FullPicturePath(std::wstring_view picturePath) {
    const std::size_t name = picturePath.find_last_of(L"\\/") + 1;  // 0 without a folder
    std::size_t dot = picturePath.rfind(L'.');
    if (dot == std::wstring_view::npos || dot < name) dot = picturePath.size();
    std::wstring path(picturePath.substr(0, dot));
    path += names::FullPictureSuffix;
    path += picturePath.substr(dot);
    return path;
}

}  // namespace rublet
