#include "drop/drop_processing.h"

#include <exception>
#include <map>
#include <memory>
#include <set>

#include "drop/drop_check.h"
#include "texts/language.h"
#include "platform/portable/paths.h"

namespace rublet {
namespace {

std::wstring ConfirmationText(std::size_t count, bool recycling) {
    const Texts& texts = Text();
    const auto number = static_cast<std::int64_t>(count);
    const std::wstring_view pattern = recycling ? ForCount(number, texts.ConfirmRecycleOne, texts.ConfirmRecycle)
                                                : ForCount(number, texts.ConfirmDeleteOne, texts.ConfirmDelete);
    return TwoLines(FillIn(pattern, {{L"count", std::to_wstring(count)}}), texts.ConfirmQuestion);
}

unsigned ConfirmationStyle(bool recycling) { return box::OkCancel | (recycling ? box::IconQuestion : box::IconExclamation); }

unsigned DeleteFlags(bool recycling) {
    // Where an item cannot be recycled the shell warns before deleting it
    // for good, instead of destroying what the user meant to keep.
    return recycling ? fof::AllowUndo | fof::NoConfirmation | fof::WantNukeWarning
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
std::vector<std::wstring> ItemsStillThere(const std::vector<std::wstring>& paths, DropFileSystem& files) {
    std::map<std::wstring, std::set<std::wstring_view>> byFolder;
    for (const std::wstring_view path : paths) {
        const PathParts parts = SplitPath(path);
        if (parts.Names.empty()) continue;
        const std::wstring_view name = parts.Names.back();
        byFolder[std::wstring(path.substr(0, name.data() - path.data()))].insert(name);
    }
    std::set<std::wstring> present;
    for (const auto& [folder, names] : byFolder)
        for (const FolderEntry& entry : files.FolderEntries(folder))
            if (names.count(entry.Name)) present.insert(folder + entry.Name);
    std::vector<std::wstring> left;
    for (const std::wstring& path : paths)
        if (present.count(path)) left.push_back(path);
    return left;
}

// One drop, step by step. The work of each step runs on the worker and
// fills in the fields below; the step after it reads them on the window's
// thread, once the work has returned.
class DropConversation : public std::enable_shared_from_this<DropConversation> {
public:
    DropConversation(const SettingsRecord& settings, std::vector<std::wstring> paths, DropFileSystem& files,
                     DropUser& user, DropSteps& steps, std::function<void(bool)> ended)
        : settings_(settings), paths_(std::move(paths)), files_(files), user_(user), steps_(steps),
          ended_(std::move(ended)) {}

    // The first look; without a question, the shell's work follows at once.
    void Start() {
        const bool ask = IsOn(settings_.Option2);
        OnWorker([this, ask] { LookAndHandOver(!ask); }, [this, ask] { ask && !refusal_ ? Ask() : HandedOver(); });
    }

private:
    [[nodiscard]] bool Recycling() const noexcept { return IsRecycleBinMode(settings_); }

    void OnWorker(std::function<void()> work, std::function<void()> then) {
        steps_.OnWorker(std::move(work), [self = shared_from_this(), then = std::move(then)](bool returned) {
            returned ? then() : self->Fail();
        });
    }

    // On the worker: the look, and where it passes and `handOver` says so,
    // the shell's work with all paths.
    void LookAndHandOver(bool handOver) {
        refusal_ = CheckDrop(paths_, files_, !Recycling());
        if (refusal_ || !handOver) return;
        HandOver();
        left_ = ItemsStillThere(paths_, files_);
    }

    // On the worker: one request to the shell for the whole drop. Where the
    // shell stops at an item it could not recycle rather than delete it for
    // good (Wine's, which would walk it after a look made before the user's
    // answer), that item is set aside, or named as in use, and the rest
    // handed over again.
    void HandOver() {
        std::vector<std::wstring> pending = paths_;
        while (!pending.empty()) {
            shell_ = files_.DeleteFiles(SourceList(pending), DeleteFlags(Recycling()));
            if (!shell_.StoppedBeforeDeletingForGood) return;
            std::vector<std::wstring> left = ItemsStillThere(pending, files_);
            if (left.empty()) break;
            (files_.InUse(left.front()) ? inUse_ : setAside_).push_back(left.front());
            pending.assign(left.begin() + 1, left.end());
        }
        shell_ = {};
    }

    void Ask() {
        if (user_.ShowMessage(ConfirmationText(paths_.size(), Recycling()), ConfirmationStyle(Recycling()),
                              Text().ConfirmTitle) != box::IdOk)
            return End(false);
        // Whatever changed while the question was open is looked at again.
        OnWorker([this] { LookAndHandOver(true); }, [this] { HandedOver(); });
    }

    void HandedOver() {
        if (refusal_) return Refuse(Text().NothingDeleted);
        if (setAside_.empty()) return Conclude();
        // The question is the bin's, and the look follows the answer, right
        // before the shell deletes these for good.
        if (user_.ShowMessage(ListOf(Text().CannotRecycle, setAside_), box::OkCancel | box::IconExclamation,
                              Text().MessageTitle) != box::IdOk)
            return Fail();
        OnWorker(
            [this] {
                refusal_ = CheckDrop(setAside_, files_, true);
                if (refusal_) return;
                shell_ = files_.DeleteFiles(SourceList(setAside_), DeleteFlags(false));
                left_ = ItemsStillThere(paths_, files_);
            },
            [this] { refusal_ ? Refuse(Text().ProcessingFailed) : Conclude(); });
    }

    // A shell can report success and leave an item where it was (Wine's,
    // when its trash folder has gone): what is left is a failure too.
    void Conclude() {
        if (!inUse_.empty()) {
            user_.ShowMessage(TwoLines(ListOf(Text().InUse, inUse_), Text().ProcessingFailed),
                              box::Ok | box::IconExclamation, Text().MessageTitle);
            return End(false);
        }
        if (shell_.Code != 0 || shell_.AnyOperationsAborted || !left_.empty()) return Fail();
        try {
            if (IsOn(settings_.Option3))
                user_.ShowMessage(Text().ProcessingDone, box::Ok | box::IconInformation, Text().MessageTitle);
            if (IsOn(settings_.Option5)) user_.PlayEventSound();
        } catch (const std::exception&) {
            return Fail();
        }
        End(true);
    }

    void Refuse(std::wstring_view outcome) {
        user_.ShowMessage(TwoLines(TwoLines(Text().*refusal_->Reason, refusal_->Path), outcome),
                          box::Ok | box::IconExclamation, Text().MessageTitle);
        End(false);
    }

    void Fail() {
        user_.ShowMessage(Text().ProcessingFailed, box::Ok | box::IconError, Text().MessageTitle);
        End(false);
    }

    void End(bool allGone) { ended_(allGone); }

    static std::wstring ListOf(std::wstring_view heading, const std::vector<std::wstring>& items) {
        std::wstring list(heading);
        for (const std::wstring& item : items) list = TwoLines(list, item);
        return list;
    }

    const SettingsRecord settings_;
    const std::vector<std::wstring> paths_;
    DropFileSystem& files_;
    DropUser& user_;
    DropSteps& steps_;
    const std::function<void(bool)> ended_;
    // What the worker found, for the step after it.
    std::optional<Refusal> refusal_;
    ShellResult shell_;
    std::vector<std::wstring> setAside_, inUse_, left_;
};

}  // namespace

void ProcessDroppedFiles(const SettingsRecord& settings, std::vector<std::wstring> paths, DropFileSystem& files,
                         DropUser& user, DropSteps& steps, std::function<void(bool allGone)> ended) {
    std::make_shared<DropConversation>(settings, std::move(paths), files, user, steps, std::move(ended))->Start();
}

}  // namespace rublet
