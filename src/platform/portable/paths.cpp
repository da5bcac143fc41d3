#include "platform/portable/paths.h"

#include <algorithm>

#include "platform/portable/case_folding.h"

namespace rublet {

namespace {

bool IsSeparator(wchar_t c) noexcept { return c == L'\\' || c == L'/'; }

wchar_t Upper(wchar_t c) noexcept { return UpperCaseUnit(c); }

std::wstring_view WithoutTrailingSeparators(std::wstring_view path) {
    while (!path.empty() && IsSeparator(path.back())) path.remove_suffix(1);
    return path;
}

bool IsDriveLetter(std::wstring_view path) {
    const wchar_t letter = path.empty() ? 0 : path[0] & ~0x20;
    return path.size() == 2 && path[1] == L':' && letter >= L'A' && letter <= L'Z';
}

// "server\share" with nothing after the share's name.
bool IsServerAndShare(std::wstring_view rest) {
    const std::size_t separator = rest.find_first_of(L"\\/");
    if (separator == 0 || separator == std::wstring_view::npos) return false;
    const std::wstring_view share = rest.substr(separator + 1);
    return !share.empty() && share.find_first_of(L"\\/") == std::wstring_view::npos;
}

bool StartsWithInsensitive(std::wstring_view text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const wchar_t a = Upper(text[i]), b = Upper(prefix[i]);
        if (a != b && !(IsSeparator(a) && IsSeparator(b))) return false;
    }
    return true;
}

// The length of "server\share\" at the start of `rest`, or 0.
std::size_t ServerAndShareLength(std::wstring_view rest) {
    const std::size_t server = rest.find_first_of(L"\\/");
    if (server == 0 || server == std::wstring_view::npos) return 0;
    const std::size_t share = rest.find_first_of(L"\\/", server + 1);
    if (share == server + 1) return 0;
    return share == std::wstring_view::npos ? rest.size() : share + 1;
}

// The length of the root at the start of `path`, or 0 for a path without one.
std::size_t RootLength(std::wstring_view path) {
    if (StartsWithInsensitive(path, L"\\\\?\\UNC\\")) {
        const std::size_t share = ServerAndShareLength(path.substr(8));
        return share ? 8 + share : 0;
    }
    std::size_t prefix = 0;
    if (StartsWithInsensitive(path, L"\\\\?\\") || StartsWithInsensitive(path, L"\\\\.\\")) prefix = 4;
    else if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        const std::size_t share = ServerAndShareLength(path.substr(2));
        return share ? 2 + share : 0;
    }
    const std::wstring_view rest = path.substr(prefix);
    if (rest.size() >= 3 && IsDriveLetter(rest.substr(0, 2)) && IsSeparator(rest[2])) return prefix + 3;
    return 0;
}

}  // namespace

std::wstring DirectoryOfModule(std::wstring_view modulePath) {
    const PathParts parts = SplitPath(modulePath);
    if (parts.Names.empty()) return {};
    if (parts.Names.size() == 1) {
        // A drive's root keeps its separator (C:\), a share's goes.
        std::wstring_view root = parts.Root;
        if (root.size() >= 2 && root[root.size() - 2] != L':') root = WithoutTrailingSeparators(root);
        return std::wstring(root);
    }
    const std::wstring_view above = parts.Names[parts.Names.size() - 2];
    return std::wstring(modulePath.substr(0, static_cast<std::size_t>(above.data() - modulePath.data()) + above.size()));
}

std::wstring ExtendedLengthPath(std::wstring_view path) {
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\')
        return L"\\\\?\\" + std::wstring(path);
    if (path.size() > 2 && path.substr(0, 2) == L"\\\\" && path[2] != L'?' && path[2] != L'.')
        return L"\\\\?\\UNC\\" + std::wstring(path.substr(2));
    return std::wstring(path);
}

bool IsDriveOrShareRoot(std::wstring_view path) {
    std::wstring_view rest = WithoutTrailingSeparators(path);
    if (StartsWithInsensitive(rest, L"\\\\?\\UNC\\")) return IsServerAndShare(rest.substr(8));
    if (StartsWithInsensitive(rest, L"\\\\?\\") || StartsWithInsensitive(rest, L"\\\\.\\")) {
        rest = rest.substr(4);
        return IsDriveLetter(rest) || rest.empty();
    }
    if (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1])) return IsServerAndShare(rest.substr(2));
    return IsDriveLetter(rest) || (rest.empty() && !path.empty());
}

PathParts SplitPath(std::wstring_view path) {
    const std::size_t root = RootLength(path);
    PathParts parts{path.substr(0, root), {}};
    std::wstring_view rest = path.substr(root);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find_first_of(L"\\/"), rest.size());
        if (end > 0) parts.Names.push_back(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return parts;
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
    std::wstring path(folder);
    if (!path.empty() && !IsSeparator(path.back())) path += L'\\';
    return path += name;
}

bool IsPlainName(std::wstring_view name) noexcept {
    if (name.empty() || name.back() == L'.' || name.back() == L' ' || name.starts_with(L"..")) return false;
    for (const wchar_t c : name)
        if (c < 0x20 || c == 0xFFFD || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) return false;
    return true;
}

std::wstring NameKey(std::wstring_view name) {
    name = name.substr(0, name.find_first_of(L"\\/"));
    while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) name.remove_suffix(1);
    std::wstring key(name);
    for (wchar_t& c : key) c = Upper(c);
    return key;
}

bool IsAtOrBelow(std::wstring_view path, std::wstring_view folder) noexcept {
    return StartsWithInsensitive(path, folder) && (path.size() == folder.size() || IsSeparator(path[folder.size()]));
}

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

}  // namespace rublet
