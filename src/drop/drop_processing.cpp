#include "drop/drop_processing.h"

#include <exception>
#include <map>
#include <set>

#include "drop/drop_check.h"
#include "layouts/language.h"

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


// The dropped items still where they were, in the drop's order, by their
// names as the folder lists them (a case twin left behind is another item):
// one look into each folder the paths lie in, since a look at each of a big
// drop's items costs more than the rest of the drop together.
std::vector<std::wstring> Left(const std::vector<std::wstring>& paths, DropDesktop& desktop) {
    std::map<std::wstring_view, std::set<std::wstring_view>> byFolder;
    for (const std::wstring_view path : paths) {
        const std::size_t cut = path.find_last_of(L"\\/");
        if (cut != std::wstring_view::npos) byFolder[path.substr(0, cut + 1)].insert(path.substr(cut + 1));
    }
    std::set<std::wstring> present;
    for (const auto& [folder, names] : byFolder)
        for (const FolderEntry& entry : desktop.FolderEntries(std::wstring(folder)))
            if (names.count(entry.Name)) present.insert(std::wstring(folder) + entry.Name);
    std::vector<std::wstring> left;
    for (const std::wstring& path : paths)
        if (present.count(path)) left.push_back(path);
    return left;
}

// One request to the shell for the whole drop. Where the shell stops at an
// item it could not recycle rather than delete it for good (Wine's, which
// would walk it after a look made before the user's answer), that item is
// set aside and the rest handed over again. The answer of the shell's last
// call, or none when it stopped at the drop's last item.
ShellResult HandOver(const std::vector<std::wstring>& paths, std::int16_t option1, DropDesktop& desktop,
                     std::vector<std::wstring>& setAside) {
    std::vector<std::wstring> pending = paths;
    while (!pending.empty()) {
        const ShellResult answer = desktop.DeleteFiles(SourceList(pending), DeleteFlags(option1));
        if (!answer.StoppedBeforeDeletingForGood) return answer;
        std::vector<std::wstring> left = Left(pending, desktop);
        if (left.empty()) break;
        setAside.push_back(left.front());
        pending.assign(left.begin() + 1, left.end());
    }
    return {};
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
        std::vector<std::wstring> setAside;
        ShellResult result = HandOver(paths, settings.Option1, desktop, setAside);
        if (!setAside.empty()) {
            // The question is the bin's, and the look follows the answer,
            // right before the shell deletes these for good.
            desktop.SetMousePointer(MousePointer::Default);
            std::wstring list(Text().CannotRecycle);
            for (const std::wstring& path : setAside) list = TwoLines(list, path);
            if (desktop.ShowMessage(list, box::OkCancel | box::IconExclamation, Text().MessageTitle) != box::IdOk) {
                ReportFailure(desktop);
                return false;
            }
            if (const std::optional<Refusal> refusal = CheckDrop(setAside, desktop, true)) {
                ShowRefusal(desktop, *refusal, Text().ProcessingFailed);
                return false;
            }
            desktop.SetMousePointer(MousePointer::Hourglass);
            result = desktop.DeleteFiles(SourceList(setAside), DeleteFlags(1));
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
