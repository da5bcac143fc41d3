#include "pictures/picture_paths.h"

#include <algorithm>

#include "platform/portable/paths.h"

namespace rublet {
namespace {

constexpr std::wstring_view DefaultPictureFile = L"Rublet.bmp";
// The default bins for high-dpi displays, beside the program only.
constexpr std::wstring_view DefaultPicture64File = L"Rublet64.png";
constexpr std::wstring_view DefaultPicture128File = L"Rublet128.png";
// Before the extension of the picture shown while the Recycle Bin holds
// anything, and of the default bin's with its lid lifted.
constexpr std::wstring_view FullPictureSuffix = L"_full";
constexpr std::wstring_view LidLiftedSuffix = L"_open";

// The name with `suffix` before its extension, in the same folder.
std::wstring WithSuffix(std::wstring_view picturePath, std::wstring_view suffix) {
    const PathParts parts = SplitPath(picturePath);
    const std::size_t name = parts.Names.empty() ? 0 : static_cast<std::size_t>(parts.Names.back().data() - picturePath.data());
    std::size_t dot = picturePath.rfind(L'.');
    if (dot == std::wstring_view::npos || dot < name) dot = picturePath.size();
    std::wstring path(picturePath.substr(0, dot));
    path += suffix;
    path += picturePath.substr(dot);
    return path;
}

// A path without doubled separators past its start (where a share's path
// begins with two): earlier versions stored C:\\Rublet.bmp for a program
// at a drive's root.
std::wstring WithoutDoubledSeparators(std::wstring_view path) {
    std::wstring single(path.substr(0, 2));
    for (const wchar_t c : path.substr(std::min<std::size_t>(2, path.size())))
        if (!((c == L'\\' || c == L'/') && !single.empty() && (single.back() == L'\\' || single.back() == L'/'))) single += c;
    return single;
}

// The default bins, largest first, each with the least dpi it suits.
struct DefaultBin {
    int FromDpi;
    std::wstring_view File;
};
constexpr DefaultBin DefaultBins[] = {
    {288, DefaultPicture128File}, {144, DefaultPicture64File}, {0, DefaultPictureFile}};

}  // namespace

std::wstring DefaultPicturePath(std::wstring_view programDirectory) {
    return JoinPath(programDirectory, DefaultPictureFile);
}

std::vector<std::wstring> DefaultPicturePaths(std::wstring_view programDirectory, int dpi) {
    std::vector<std::wstring> paths;
    for (const DefaultBin& bin : DefaultBins)
        if (dpi >= bin.FromDpi) paths.push_back(JoinPath(programDirectory, bin.File));
    return paths;
}

bool IsDefaultPicturePath(std::wstring_view path, std::wstring_view programDirectory) {
    for (const DefaultBin& bin : DefaultBins)
        if (EqualIgnoringCase(WithoutDoubledSeparators(path), JoinPath(programDirectory, bin.File))) return true;
    return false;
}

std::wstring FullPicturePath(std::wstring_view picturePath) { return WithSuffix(picturePath, FullPictureSuffix); }

std::wstring LidLiftedPath(std::wstring_view picturePath) { return WithSuffix(picturePath, LidLiftedSuffix); }

}  // namespace rublet
