#include "drop/drop_check.h"

#include <map>
#include <set>
#include <utility>

#include "platform/portable/paths.h"

namespace rublet {
namespace {

// The look at a drop before the shell sees any of it. Every dropped path
// must name the one item that was dragged: at each level a plain name,
// listed in the folder above it as it is spelled, case included, and the
// only name of that folder that Windows would read the same (a case twin,
// or a sibling "same." or "a\b" that Wine's drop turns into the path of
// "same" or of "b" in "a"); and no path under a folder that the system
// redirects. Where the shell follows links (Wine's), no dropped item is a
// link or a mount point, and each one's final path is its own path, as the
// disk spells it. Where the shell walks a folder itself (deleting for good;
// Wine's trash moves a folder whole; what it could not recycle is deleted
// for good only after the bin's own question and this look), everything in
// it is held to the same rules, with the shell's path limit.
class DropCheck {
public:
    DropCheck(DropFileSystem& files, bool deleting)
        : files_(files),
          followsLinks_(files.ShellFollowsLinks()),
          walks_(deleting),
          redirected_(files.RedirectedFolders()) {}

    std::optional<Refusal> RefusalOf(const std::wstring& path) {
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
            for (auto [alike, end] = listing.ByKey.equal_range(NameKey(name)); alike != end; ++alike) {
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
        const std::optional<std::wstring> own = files_.FinalPath(folder);
        if (!aboveFinal || !own) return Refusal{&Texts::ItemNotFound, path};
        if (*own != JoinPath(*aboveFinal, parts.Names.back())) return Refusal{&Texts::LinkRefused, path};
        return item->IsFolder && walks_ ? inside(*own) : std::nullopt;
    }

private:
    // What a folder the dropped paths pass through holds, by key: listed once.
    struct Listing {
        std::vector<FolderEntry> Entries;
        std::multimap<std::wstring, std::size_t> ByKey;
    };
    const Listing& Entries(const std::wstring& folder) {
        if (const auto found = listings_.find(folder); found != listings_.end()) return found->second;
        Listing& listing = listings_[folder];
        listing.Entries = files_.FolderEntries(folder);
        for (std::size_t i = 0; i < listing.Entries.size(); ++i) listing.ByKey.emplace(NameKey(listing.Entries[i].Name), i);
        return listing;
    }

    const std::optional<std::wstring>& Final(const std::wstring& folder) {
        const auto found = finals_.find(folder);
        return found != finals_.end() ? found->second : finals_.emplace(folder, files_.FinalPath(folder)).first->second;
    }

    // Why something below a dropped folder, whose own final path is
    // `final`, may not reach the shell. The path limit bounds the depth.
    std::optional<TextId> Inside(const std::wstring& folder, const std::wstring& final) {
        const std::vector<FolderEntry> entries = files_.FolderEntries(folder);
        std::set<std::wstring> keys;
        for (const FolderEntry& entry : entries) {
            const std::wstring path = JoinPath(folder, entry.Name);
            if (!IsPlainName(entry.Name) || !keys.insert(NameKey(entry.Name)).second) return &Texts::NameRefused;
            if (path.size() > MaxShellPath) return &Texts::PathTooLong;
            std::wstring own;
            if (followsLinks_) {
                // A folder link or a mount point lists as a reparse point; a
                // link to a file shows only in its final path.
                if (entry.IsLink) return &Texts::LinkRefused;
                const std::optional<std::wstring> found = files_.FinalPath(path);
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

    DropFileSystem& files_;
    const bool followsLinks_, walks_;
    const std::vector<std::wstring> redirected_;
    std::map<std::wstring, Listing> listings_;
    std::map<std::wstring, std::optional<std::wstring>> finals_;
};

}  // namespace

std::optional<Refusal> CheckDrop(const std::vector<std::wstring>& paths, DropFileSystem& files, bool deleting) {
    DropCheck check(files, deleting);
    for (const std::wstring& path : paths)
        if (std::optional<Refusal> refusal = check.RefusalOf(path)) return refusal;
    return std::nullopt;
}

}  // namespace rublet
