#include "drop/drop_processing.h"

#include <exception>
#include <map>
#include <set>

#include "layouts/language.h"

namespace rublet {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::wstring_view WithoutTrailingSeparators(std::wstring_view path) {
    while (!path.empty() && IsSeparator(path.back())) path.remove_suffix(1);
    return path;
}

bool IsDriveLetter(std::wstring_view path) {
    return path.size() == 2 && path[1] == L':' &&
           ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'));
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
        wchar_t a = text[i], b = prefix[i];
        if (a >= L'a' && a <= L'z') a = static_cast<wchar_t>(a - L'a' + L'A');
        if (b >= L'a' && b <= L'z') b = static_cast<wchar_t>(b - L'a' + L'A');
        if (a != b && !(IsSeparator(a) && IsSeparator(b))) return false;
    }
    return true;
}

void ReportFailure(DropDesktop& desktop) {
    desktop.SetMousePointer(MousePointer::Default);
    desktop.ShowMessage(Text().ProcessingFailed, box::Ok | box::IconError, Text().MessageTitle);
}

std::wstring ConfirmationText(std::size_t count, std::int16_t option1) {
    const Texts& texts = Text();
    const auto number = static_cast<std::int64_t>(count);
    const std::wstring_view pattern = option1 == 0 ? ForCount(number, texts.ConfirmRecycleOne, texts.ConfirmRecycle)
                                                   : ForCount(number, texts.ConfirmDeleteOne, texts.ConfirmDelete);
    return TwoLines(FillIn(pattern, {{L"count", std::to_wstring(count)}}), texts.ConfirmQuestion);
}

unsigned ConfirmationStyle(std::int16_t option1) {
    return box::OkCancel | (option1 == 0 ? box::IconQuestion : box::IconExclamation);
}

unsigned DeleteFlags(std::int16_t option1) {
    // Where an item cannot be recycled the shell warns before deleting it
    // for good, instead of destroying what the user meant to keep.
    return option1 == 0 ? fof::AllowUndo | fof::NoConfirmation | fof::WantNukeWarning
                        : fof::SimpleProgress | fof::NoConfirmation;
}

std::wstring SourceList(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths) {
        list += path;
        list += L'\0';
    }
    list += L'\0';
    return list;
}

// The entries of each folder the paths lie in that are among the paths:
// one look into each folder, since a look at each of a big drop's items
// costs more than the rest of the drop together. The shell's paths name the
// items as they are. Stops at the first entry for which `found` is true.
template <class Found>
bool AnyDroppedEntry(const std::vector<std::wstring>& paths, DropDesktop& desktop, Found found) {
    std::map<std::wstring_view, std::set<std::wstring_view>> byFolder;
    for (const std::wstring_view path : paths) {
        const std::size_t cut = path.find_last_of(L"\\/");
        if (cut != std::wstring_view::npos) byFolder[path.substr(0, cut)].insert(path.substr(cut + 1));
    }
    for (const auto& [folder, names] : byFolder)
        for (const FolderEntry& entry : desktop.FolderEntries(std::wstring(folder)))
            if (names.count(entry.Name) && found(std::wstring(folder) + L'\\' + entry.Name, entry)) return true;
    return false;
}

}  // namespace

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

void ProcessDroppedFiles(const SettingsRecord& settings, const std::vector<std::wstring>& paths,
                         DropDesktop& desktop) {
    const auto refuse = [&](std::wstring_view text, std::wstring_view path) {
        desktop.ShowMessage(TwoLines(text, path), box::Ok | box::IconExclamation, Text().MessageTitle);
    };
    for (const std::wstring& path : paths) {
        if (IsDriveOrShareRoot(path)) return refuse(Text().RootRefused, path);
        if (path.size() > MaxShellPath) return refuse(Text().PathTooLong, path);
    }
    // A folder deleted for good is walked by the shell itself, path by path;
    // the Recycle Bin takes it whole.
    std::wstring holding;
    if (settings.Option1 != 0 &&
        AnyDroppedEntry(paths, desktop, [&](const std::wstring& path, const FolderEntry& entry) {
            if (!entry.IsFolder || !desktop.HoldsPathLongerThan(path, MaxShellPath)) return false;
            holding = path;
            return true;
        }))
        return refuse(Text().PathTooLong, holding);
    if (IsOn(settings.Option2) &&
        desktop.ShowMessage(ConfirmationText(paths.size(), settings.Option1),
                           ConfirmationStyle(settings.Option1), Text().ConfirmTitle) != box::IdOk)
        return;

    try {
        desktop.SetMousePointer(MousePointer::Hourglass);
        const ShellResult result = desktop.DeleteFiles(SourceList(paths), DeleteFlags(settings.Option1));
        const auto stillThere = [](const std::wstring&, const FolderEntry&) { return true; };
        // A shell can report success and leave an item where it was (Wine's,
        // when its trash folder has gone): what is left is a failure too.
        if (result.Code != 0 || result.AnyOperationsAborted || AnyDroppedEntry(paths, desktop, stillThere)) {
            ReportFailure(desktop);
            return;
        }
        desktop.SetMousePointer(MousePointer::Default);
        if (IsOn(settings.Option3))
            desktop.ShowMessage(Text().ProcessingDone, box::Ok | box::IconInformation, Text().MessageTitle);
        if (IsOn(settings.Option5)) desktop.PlayEventSound(desktop.EventSoundName());
    } catch (const std::exception&) {
        ReportFailure(desktop);
    }
}

}  // namespace rublet
