#include "drop/drop_processing.h"

#include <algorithm>
#include <exception>
#include <map>
#include <set>
#include <utility>

#include "layouts/language.h"
#include "platform/portable/paths.h"

namespace rublet {

namespace {

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

// What a drop may not hand the shell, and the dropped item that holds it.
struct Refusal {
    TextId Reason;
    std::wstring Path;
};

// The look at a drop before the shell sees any of it. Every dropped path
// must name the one item that was dragged: at each level a plain name,
// listed in the folder above it as it is spelled, case included, and the
// only name of that folder that Windows would read the same (a case twin,
// or a sibling "same." or "a\b" that Wine's drop turns into the path of
// "same" or of "b" in "a"); and no path under a folder that the system
// redirects. Where the shell follows links (Wine's), no dropped item is a
// link or a mount point, and each one's final path is its own path, as the
// disk spells it. Where the shell walks a folder itself (deleting for good;
// Wine's trash moves a folder whole, and walks one only when deleting for
// good what it could not recycle, which DeleteFiles lets it do only after
// this look has passed), everything in it is held to the same rules, with
// the shell's path limit.
class DropCheck {
public:
    DropCheck(DropDesktop& desktop, bool deleting)
        : desktop_(desktop),
          followsLinks_(desktop.ShellFollowsLinks()),
          walks_(deleting),
          redirected_(desktop.RedirectedFolders()) {}

    std::optional<Refusal> Path(const std::wstring& path) {
        if (IsDriveOrShareRoot(path)) return Refusal{&Texts::RootRefused, path};
        if (path.size() > MaxShellPath) return Refusal{&Texts::PathTooLong, path};
        for (const std::wstring& folder : redirected_)
            for (const std::wstring_view prefix : {L"", L"\\\\?\\", L"\\\\.\\"})
                if (IsAtOrBelow(path, std::wstring(prefix) + folder)) return Refusal{&Texts::RedirectedRefused, path};
        const PathParts parts = SplitPath(path);
        if (parts.Root.empty() || parts.Names.empty()) return Refusal{&Texts::ItemNotFound, path};
        std::wstring above, folder(parts.Root);
        const FolderEntry* item = nullptr;
        for (const std::wstring_view name : parts.Names) {
            if (!IsPlainName(name)) return Refusal{&Texts::NameRefused, path};
            item = nullptr;
            const Listing& listing = Entries(folder);
            for (auto [alike, end] = listing.ByKey.equal_range(Key(name)); alike != end; ++alike) {
                const FolderEntry& entry = listing.Entries[alike->second];
                if (entry.Name != name) return Refusal{&Texts::NameRefused, path};
                item = &entry;
            }
            if (!item) return Refusal{&Texts::ItemNotFound, path};
            above = std::exchange(folder, JoinPath(folder, name));
        }
        const auto inside = [&](const std::wstring& final) -> std::optional<Refusal> {
            if (const std::optional<TextId> reason = Inside(folder, final)) return Refusal{*reason, path};
            return std::nullopt;
        };
        if (!followsLinks_) return item->IsFolder && !item->IsLink && walks_ ? inside({}) : std::nullopt;
        if (item->IsLink) return Refusal{&Texts::LinkRefused, path};
        const std::optional<std::wstring>& aboveFinal = Final(above);
        const std::optional<std::wstring> own = desktop_.FinalPath(folder);
        if (!aboveFinal || !own) return Refusal{&Texts::ItemNotFound, path};
        if (*own != JoinPath(*aboveFinal, parts.Names.back())) return Refusal{&Texts::LinkRefused, path};
        return item->IsFolder && walks_ ? inside(*own) : std::nullopt;
    }

private:
    // Windows' case folding reaches beyond ASCII; the desktop knows it.
    std::wstring Key(std::wstring_view name) {
        std::wstring key = NameKey(name);
        return std::all_of(key.begin(), key.end(), [](wchar_t c) { return c < 0x80; }) ? key : desktop_.UpperCase(key);
    }

    // What a folder the dropped paths pass through holds, by key: listed once.
    struct Listing {
        std::vector<FolderEntry> Entries;
        std::multimap<std::wstring, std::size_t> ByKey;
    };
    const Listing& Entries(const std::wstring& folder) {
        if (const auto found = listings_.find(folder); found != listings_.end()) return found->second;
        Listing& listing = listings_[folder];
        listing.Entries = desktop_.FolderEntries(folder);
        for (std::size_t i = 0; i < listing.Entries.size(); ++i) listing.ByKey.emplace(Key(listing.Entries[i].Name), i);
        return listing;
    }

    const std::optional<std::wstring>& Final(const std::wstring& folder) {
        const auto found = finals_.find(folder);
        return found != finals_.end() ? found->second : finals_.emplace(folder, desktop_.FinalPath(folder)).first->second;
    }

    // Why something below a dropped folder, whose own final path is
    // `final`, may not reach the shell. The path limit bounds the depth.
    std::optional<TextId> Inside(const std::wstring& folder, const std::wstring& final) {
        const std::vector<FolderEntry> entries = desktop_.FolderEntries(folder);
        std::set<std::wstring> keys;
        for (const FolderEntry& entry : entries) {
            const std::wstring path = JoinPath(folder, entry.Name);
            if (!IsPlainName(entry.Name) || !keys.insert(Key(entry.Name)).second) return &Texts::NameRefused;
            if (path.size() > MaxShellPath) return &Texts::PathTooLong;
            std::wstring own;
            if (followsLinks_) {
                // A folder link or a mount point lists as a reparse point; a
                // link to a file shows only in its final path.
                if (entry.IsLink) return &Texts::LinkRefused;
                const std::optional<std::wstring> found = desktop_.FinalPath(path);
                if (!found) return &Texts::ItemNotFound;
                if (*found != JoinPath(final, entry.Name)) return &Texts::LinkRefused;
                own = *found;
            } else if (entry.IsLink) {
                continue;  // removed as itself, never walked into
            }
            if (entry.IsFolder)
                if (const std::optional<TextId> reason = Inside(path, own)) return reason;
        }
        return std::nullopt;
    }

    DropDesktop& desktop_;
    const bool followsLinks_, walks_;
    const std::vector<std::wstring> redirected_;
    std::map<std::wstring, Listing> listings_;
    std::map<std::wstring, std::optional<std::wstring>> finals_;
};

// The first reason, found afresh, why the drop may not reach the shell.
std::optional<Refusal> CheckDrop(const std::vector<std::wstring>& paths, DropDesktop& desktop, bool deleting) {
    DropCheck check(desktop, deleting);
    for (const std::wstring& path : paths)
        if (std::optional<Refusal> refusal = check.Path(path)) return refusal;
    return std::nullopt;
}

// The dropped items still where they were, by their names as the folder
// lists them (a case twin left behind is another item): one look into each
// folder the paths lie in, since a look at each of a big drop's items costs
// more than the rest of the drop together.
std::vector<std::wstring> Left(const std::vector<std::wstring>& paths, DropDesktop& desktop) {
    std::map<std::wstring_view, std::set<std::wstring_view>> byFolder;
    for (const std::wstring_view path : paths) {
        const std::size_t cut = path.find_last_of(L"\\/");
        if (cut != std::wstring_view::npos) byFolder[path.substr(0, cut + 1)].insert(path.substr(cut + 1));
    }
    std::vector<std::wstring> left;
    for (const auto& [folder, names] : byFolder)
        for (const FolderEntry& entry : desktop.FolderEntries(std::wstring(folder)))
            if (names.count(entry.Name)) left.push_back(std::wstring(folder) + entry.Name);
    return left;
}

void ShowRefusal(DropDesktop& desktop, const Refusal& refusal, std::wstring_view outcome) {
    desktop.ShowMessage(TwoLines(TwoLines(Text().*refusal.Reason, refusal.Path), outcome),
                        box::Ok | box::IconExclamation, Text().MessageTitle);
}

}  // namespace

bool ProcessDroppedFiles(const SettingsRecord& settings, const std::vector<std::wstring>& paths,
                         DropDesktop& desktop) {
    const bool deleting = settings.Option1 != 0;
    const auto refused = [&] {
        const std::optional<Refusal> refusal = CheckDrop(paths, desktop, deleting);
        if (refusal) ShowRefusal(desktop, *refusal, Text().NothingDeleted);
        return refusal.has_value();
    };
    if (refused()) return false;
    if (IsOn(settings.Option2)) {
        if (desktop.ShowMessage(ConfirmationText(paths.size(), settings.Option1), ConfirmationStyle(settings.Option1),
                                Text().ConfirmTitle) != box::IdOk)
            return false;
        // Whatever changed while the question was open is looked at again.
        if (refused()) return false;
    }

    try {
        desktop.SetMousePointer(MousePointer::Hourglass);
        // What the shell could not recycle it would walk to delete for good:
        // the items still there are looked at as for deleting, at that moment.
        std::optional<Refusal> late;
        const auto mayDeleteForGood = [&] {
            late = CheckDrop(Left(paths, desktop), desktop, true);
            return !late;
        };
        const ShellResult result = desktop.DeleteFiles(SourceList(paths), DeleteFlags(settings.Option1), mayDeleteForGood);
        if (late) {
            desktop.SetMousePointer(MousePointer::Default);
            ShowRefusal(desktop, *late, Text().ProcessingFailed);
            return false;
        }
        // A shell can report success and leave an item where it was (Wine's,
        // when its trash folder has gone): what is left is a failure too.
        if (result.Code != 0 || result.AnyOperationsAborted || !Left(paths, desktop).empty()) {
            ReportFailure(desktop);
            return false;
        }
        desktop.SetMousePointer(MousePointer::Default);
        if (IsOn(settings.Option3))
            desktop.ShowMessage(Text().ProcessingDone, box::Ok | box::IconInformation, Text().MessageTitle);
        if (IsOn(settings.Option5)) desktop.PlayEventSound(desktop.EventSoundName());
        return true;
    } catch (const std::exception&) {
        ReportFailure(desktop);
        return false;
    }
}

}  // namespace rublet
