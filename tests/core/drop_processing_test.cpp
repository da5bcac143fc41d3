#include "drop/drop_processing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <exception>
#include <map>
#include <tuple>

namespace {
using namespace rublet;
using Texts = std::vector<std::wstring>;

// A drop's options, what the user answers, and the calls it should see.
struct Case {
    std::int16_t option1 = 0, option2 = 0, option3 = 0, option5 = 0;
    Texts calls = {};
    int answer = box::IdOk;
    ShellResult shell = {};
    bool soundFails = false;
};

// An item of the fake file system, by its full path as the test writes it:
// a folder, a link (to `target`, which the file system opens where the
// shell follows links), or a file; `held` ones stay where they are when the
// shell deletes them, `open` ones too, held by another program; `foreign`
// ones lie where Wine's trash cannot take them.
struct Item {
    bool folder = false, link = false;
    std::wstring target = {};
    bool held = false, foreign = false, open = false;
};
const Item Folder{true}, Held{.held = true};
Item LinkTo(std::wstring target, bool folder) { return {folder, true, std::move(target)}; }
using Tree = std::map<std::wstring, Item>;

// The fake's own reading of its paths: the folder is all up to the last
// backslash; a '|' in a name stands for a backslash, which a Linux name may
// hold under Wine.
std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.rfind(L'\\') + 1); }
std::wstring NameOf(const std::wstring& path) {
    std::wstring name = path.substr(path.rfind(L'\\') + 1);
    std::replace(name.begin(), name.end(), L'|', L'\\');
    return name;
}
// The file system finds a name in any case of its ASCII letters, as Windows does.
std::wstring Folded(std::wstring text) {
    for (wchar_t& c : text) c = c < 0x80 ? static_cast<wchar_t>(std::towlower(c)) : c;
    return text;
}
std::wstring WithSeparator(std::wstring folder) { return folder.ends_with(L'\\') ? folder : folder + L'\\'; }

// Records every call in order, a NUL in a list to delete as '|'; answers as
// its case says, from its tree, which becomes `whileAsked` while a box is
// open. A box shown while a work runs is recorded as such.
struct Fake final : DropFileSystem, DropUser, DropSteps {
    Fake(const Case& c, Tree tree, bool followsLinks) : c(c), tree(std::move(tree)), followsLinks(followsLinks) {}

    void OnWorker(std::function<void()> work, std::function<void(bool)> then) override {
        working = true;
        work();
        working = false;
        then(true);
    }
    int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) override {
        calls.push_back((working ? L"box on the worker " : L"box ") + std::to_wstring(style) + L" " + std::wstring(title) +
                        L": " + std::wstring(text));
        if (whileAsked) tree = *std::exchange(whileAsked, std::nullopt);
        return c.answer;
    }
    void PlayEventSound() override { c.soundFails ? throw std::exception() : calls.push_back(L"play"); }
    ShellResult DeleteFiles(const std::wstring& list, unsigned flags) override {
        std::wstring& call = calls.emplace_back(L"delete " + std::to_wstring(flags) + L" " + list);
        std::replace(call.begin(), call.end(), L'\0', L'|');
        // In the list's order, as Wine's shell goes: a foreign item to
        // recycle brings its question, which is kept away, and the call stops.
        for (std::size_t at = 0; list[at]; at = list.find(L'\0', at) + 1) {
            const auto found = Find(list.c_str() + at);
            if (found == tree.end()) continue;
            if ((found->second.foreign || found->second.open) && followsLinks && (flags & fof::AllowUndo)) {
                calls.push_back(L"asks");
                return {0, true, true};
            }
            const std::wstring item = found->first, below = WithSeparator(Folded(item));
            std::erase_if(tree, [&](const auto& entry) {
                return !entry.second.held && !entry.second.open &&
                       (entry.first == item || Folded(entry.first).starts_with(below));
            });
        }
        return c.shell;
    }
    std::vector<FolderEntry> FolderEntries(const std::wstring& folder) override {
        std::vector<FolderEntry> entries;
        for (const auto& [path, item] : tree)
            if (Folded(FolderOf(path)) == Folded(WithSeparator(folder))) entries.push_back({NameOf(path), item.folder, item.link});
        return entries;
    }
    std::optional<std::wstring> FinalPath(const std::wstring& path) override {
        if (path.size() == 3 && path.substr(1) == L":\\") return path;
        const auto found = Find(path);
        if (found == tree.end()) return std::nullopt;
        return found->second.link && followsLinks ? found->second.target : found->first;
    }
    bool InUse(const std::wstring& path) override { return Find(path) != tree.end() && Find(path)->second.open; }
    bool ShellFollowsLinks() override { return followsLinks; }
    std::vector<std::wstring> RedirectedFolders() override { return {L"C:\\windows\\System32"}; }

    Tree::iterator Find(const std::wstring& path) {
        return std::find_if(tree.begin(), tree.end(), [&](const auto& item) { return Folded(item.first) == Folded(path); });
    }

    const Case& c;
    Tree tree;
    const bool followsLinks;
    std::optional<Tree> whileAsked;
    bool working = false;
    Texts calls;
    std::optional<bool> allGone;
};

// The calls a drop of `paths` makes, and at its end whether all went.
Texts Calls(const Case& c, const Texts& paths, const Tree& tree, bool followsLinks = false,
            std::optional<Tree> whileAsked = {}) {
    Fake fake(c, tree, followsLinks);
    fake.whileAsked = std::move(whileAsked);
    SettingsRecord settings;
    settings.Option1 = c.option1, settings.Option2 = c.option2, settings.Option3 = c.option3, settings.Option5 = c.option5;
    ProcessDroppedFiles(settings, paths, fake, fake, fake, [&](bool all) { fake.allGone = all; });
    fake.calls.push_back(!fake.allGone ? L"no end" : *fake.allGone ? L"all gone" : L"kept");
    return fake.calls;
}

const Tree Plain{{L"C:\\a.txt", {}}, {L"C:\\フォルダ", Folder}, {L"C:\\b 😀.doc", {}}};
const std::wstring Failed = L"box 16 Rublet: エラーが発生したため、処理は完了しませんでした";

TEST(ProcessDroppedFiles, TakesTheStepsTheOptionsAsk) {
    const std::wstring AskRecycle = L"box 33 RUblet: 3個のファイルを「ｺﾞﾐ箱に移動」します\r\nよろしいですか？",
                       AskDelete = L"box 49 RUblet: 3個のファイルを「削除」します\r\nよろしいですか？",
                       Done = L"box 64 Rublet: 処理が完了しました",
                       Recycle = L"delete 16464 C:\\a.txt|C:\\フォルダ|C:\\b 😀.doc||";
    const Case cases[] = {
        {0, 1, 1, 1, {AskRecycle, Recycle, Done, L"play", L"all gone"}},
        {-1, 1, 0, 0, {AskDelete, L"delete 272" + Recycle.substr(12), L"all gone"}},  // every value but 0 deletes
        {0, -1, -1, -1, {Recycle, L"all gone"}},                                      // only 1 is on
        {0, 1, 1, 1, {AskRecycle, L"kept"}, 2},                                       // cancelled: nothing happens
        {0, 0, 1, 1, {Recycle, Failed, L"kept"}, 1, {0x7C, false}},
        {0, 0, 1, 1, {Recycle, Failed, L"kept"}, 1, {0, true}},  // aborted, though the items went
        {0, 0, 1, 1, {Recycle, Done, Failed, L"kept"}, 1, {}, true}};
    for (const Case& c : cases) EXPECT_EQ(Calls(c, {L"C:\\a.txt", L"C:\\フォルダ", L"C:\\b 😀.doc"}, Plain), c.calls) << &c - cases;
}

TEST(ProcessDroppedFiles, AsksWithTheCountBeyondSixteenBits) {
    EXPECT_EQ(Calls({.option1 = 1, .option2 = 1, .answer = 2}, Texts(40000, L"C:\\a.txt"), Plain).front(),
              L"box 49 RUblet: 40000個のファイルを「削除」します\r\nよろしいですか？");
}

// Whatever the shell says, an item still there is a failure.
TEST(ProcessDroppedFiles, CallsItAFailureWhenAnItemIsLeft) {
    const Tree tree{{L"C:\\a.txt", Held}, {L"C:\\b.txt", {}}};
    EXPECT_EQ(Calls({0, 0, 1}, {L"C:\\b.txt", L"C:\\a.txt"}, tree),
              (Texts{L"delete 16464 C:\\b.txt|C:\\a.txt||", Failed, L"kept"}));
}

// Every path must name the very item that was dragged, and nothing that the
// shell removes may lie outside what was dropped: each hazard is refused
// before the shell is called, with a message naming the item.
TEST(ProcessDroppedFiles, RefusesWhatCouldReachPastTheDrop) {
    const std::wstring longest = L"C:\\" + std::wstring(256, L'x');
    const Tree tree{{L"C:\\w", Folder}, {longest, {}}, {L"C:\\w\\same", {}}, {L"C:\\w\\same.", {}}, {L"C:\\w\\a", Folder},
                    {L"C:\\w\\a\\b", {}}, {L"C:\\w\\a|b", {}}, {L"C:\\w\\link", LinkTo(L"C:\\t", false)},
                    {L"C:\\w\\d", Folder}, {L"C:\\w\\d\\f", {}}, {L"C:\\w\\d\\in", LinkTo(L"C:\\t", true)},
                    {L"C:\\w\\odd", Folder}, {L"C:\\w\\odd\\n.", {}}, {L"C:\\w\\Case", {}}, {L"C:\\a.txt", {}},
                    // case twins: a folder that holds a link, beside a file
                    {L"C:\\w\\Twin", Folder}, {L"C:\\w\\Twin\\in", LinkTo(L"C:\\t", true)}, {L"C:\\w\\twin", {}},
                    // a Linux name Wine could not decode, and one inside a folder
                    {L"C:\\w\\a\uFFFDb", {}}, {L"C:\\w\\sjis", Folder}, {L"C:\\w\\sjis\\\uFFFD\uFFFD.txt", {}},
                    // a name the shell's path joining reads as a step up
                    {L"C:\\w\\up", Folder}, {L"C:\\w\\up\\..q", {}},
                    // a mount point, whose final path is its own
                    {L"C:\\w\\m", Folder}, {L"C:\\w\\m\\stick", LinkTo(L"C:\\w\\m\\stick", true)},
                    // a link to the same path as the disk spells it in another case
                    {L"C:\\w\\self", LinkTo(L"C:\\W\\SELF", false)}, {L"C:\\windows", Folder},
                    {L"C:\\windows\\System32", Folder}, {L"C:\\windows\\System32\\x.txt", {}},
                    // case twins beyond ASCII, and a Greek pair
                    {L"C:\\w\\Ä.txt", {}}, {L"C:\\w\\ä.txt", {}}, {L"C:\\w\\Σ", {}}, {L"C:\\w\\σ", {}}};
    const std::wstring Ambiguous = L"別の項目を指すおそれのある名前を含むため処理できません。",
                       Link = L"リンクを含むため処理できません。リンク先まで削除されるおそれがあります。",
                       Redirected = L"システムが別のフォルダーに振り替える場所にあるため処理できません。";
    for (const auto& [option1, followsLinks, dropped, reason] : {
             std::tuple<std::int16_t, bool, std::wstring, std::wstring>{1, false, longest + L"y", L"パスが長すぎる項目を含むため処理できません。"},
             {0, false, L"C:\\w\\same", Ambiguous}, {0, false, L"C:\\w\\a\\b", Ambiguous}, {1, false, L"C:\\w\\odd", Ambiguous},
             {0, false, L"C:\\w\\gone", L"ドロップされた項目か、その中の項目が見つからないため処理できません。"},
             {0, true, L"C:\\w\\case", Ambiguous}, {1, false, L"C:\\w\\Twin", Ambiguous}, {0, true, L"C:\\w\\twin", Ambiguous},
             {0, true, L"C:\\w\\a\uFFFDb", Ambiguous}, {1, false, L"C:\\w\\sjis", Ambiguous}, {1, true, L"C:\\w\\up", Ambiguous},
             {0, false, L"C:\\w\\ä.txt", Ambiguous}, {0, false, L"C:\\w\\σ", Ambiguous},
             {1, false, L"\\\\?\\C:\\windows\\System32\\x.txt", Redirected}, {1, true, L"C:\\w\\m", Link},
             {0, true, L"C:\\w\\self", Link}, {1, false, L"C:\\windows\\system32\\x.txt", Redirected},
             {0, false, L"C:\\", L"ドライブそのものは削除できません。"}})
        EXPECT_EQ(Calls({option1, 1}, {L"C:\\a.txt", dropped}, tree, followsLinks),
                  (Texts{L"box 48 Rublet: " + reason + L"\r\n" + dropped + L"\r\n何も削除していません。", L"kept"}))
            << testing::PrintToString(dropped);

    // What Windows' shell removes as itself, a mount point or link to a
    // folder in a folder to recycle whole, and a folder to recycle whole
    // that holds odd names are handed over.
    for (const auto& [option1, followsLinks, dropped] : {std::tuple{1, false, longest.c_str()}, {1, false, L"C:\\w\\link"}, {1, false, L"C:\\w\\d"},
                                                        {1, false, L"C:\\w\\m"}, {0, false, L"C:\\w\\odd"}, {0, false, L"C:\\w\\up"}})
        EXPECT_EQ(Calls({static_cast<std::int16_t>(option1)}, {dropped}, tree, followsLinks),
                  (Texts{(option1 ? L"delete 272 " : L"delete 16464 ") + std::wstring(dropped) + L"||", L"all gone"}));
}

// Wine's trash moves a folder whole, unopened. What it cannot take (on
// another file system) its shell would delete for good after a question of
// its own; the bin keeps that away, sets the item aside, hands the rest
// over again, and asks itself, with the look after the answer. A file that
// another program holds open is named as such, and no question offers to
// delete it, which would fail the same way.
TEST(ProcessDroppedFiles, AsksItselfBeforeDeletingForGoodWhatCouldNotBeRecycled) {
    const auto tree = [](bool foreign, std::wstring inner) {
        return Tree{{L"C:\\up", {.folder = true, .foreign = foreign}}, {L"C:\\up\\" + inner, {}}, {L"C:\\b.txt", {}},
                    {L"C:\\open.txt", {.open = true}}};
    };
    const std::wstring Question = L"box 49 Rublet: 次の項目はごみ箱に移せません。完全に削除しますか?\r\nC:\\up";
    const Texts handed{L"delete 16464 C:\\up|C:\\b.txt||", L"asks", L"delete 16464 C:\\b.txt||", Question};
    EXPECT_EQ(Calls({}, {L"C:\\up", L"C:\\b.txt"}, tree(false, L"..q"), true),
              (Texts{L"delete 16464 C:\\up|C:\\b.txt||", L"all gone"}));
    Texts deleted = handed;
    deleted.insert(deleted.end(), {L"delete 272 C:\\up||", L"all gone"});
    EXPECT_EQ(Calls({}, {L"C:\\up", L"C:\\b.txt"}, tree(true, L"q"), true), deleted);
    Texts refused = handed;
    refused.insert(refused.end(), {L"box 48 Rublet: 別の項目を指すおそれのある名前を含むため処理できません。\r\nC:\\up\r\n"
                                   L"エラーが発生したため、処理は完了しませんでした", L"kept"});
    EXPECT_EQ(Calls({}, {L"C:\\up", L"C:\\b.txt"}, tree(true, L"..q"), true), refused);
    Texts declined = handed;
    declined.insert(declined.end(), {Failed, L"kept"});
    EXPECT_EQ(Calls({.answer = 2}, {L"C:\\up", L"C:\\b.txt"}, tree(true, L"q"), true), declined);
    EXPECT_EQ(Calls({}, {L"C:\\open.txt", L"C:\\b.txt"}, tree(false, L"q"), true),
              (Texts{L"delete 16464 C:\\open.txt|C:\\b.txt||", L"asks", L"delete 16464 C:\\b.txt||",
                     L"box 48 Rublet: 次の項目は別のプログラムで開かれているため、操作を完了できません。\r\nC:\\open.txt\r\n"
                     L"エラーが発生したため、処理は完了しませんでした",
                     L"kept"}));
}

// The check runs again once the question is answered: a folder swapped for
// a link while the question was open is refused, in both modes.
TEST(ProcessDroppedFiles, LooksAgainAfterTheQuestion) {
    const Tree before{{L"C:\\d", Folder}, {L"C:\\d\\f", {}}};
    const Tree swapped{{L"C:\\d", LinkTo(L"C:\\t", true)}, {L"C:\\t\\f", {}}};
    for (const std::int16_t option1 : {0, 1}) {
        const Texts calls = Calls({option1, 1}, {L"C:\\d"}, before, true, swapped);
        ASSERT_EQ(calls.size(), 3u) << testing::PrintToString(calls);
        EXPECT_EQ(calls[1], L"box 48 Rublet: リンクを含むため処理できません。リンク先まで削除されるおそれがあります。\r\nC:\\d\r\n何も削除していません。");
    }
}

}  // namespace
