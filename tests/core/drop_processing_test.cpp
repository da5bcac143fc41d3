#include "drop/drop_processing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <map>
#include <tuple>

#include "platform/portable/paths.h"

namespace {
using namespace rublet;
using Texts = std::vector<std::wstring>;

// A drop's options, what the desktop answers, and the calls it should see.
struct Case {
    std::int16_t option1 = 0, option2 = 0, option3 = 0, option5 = 0;
    Texts calls = {};
    int answer = box::IdOk;
    ShellResult shell = {};
    bool soundLookupFails = false;
};

// An item of the fake file system: a folder, a link (to `target`, which the
// file system opens where the shell follows links), or a file; `held` ones
// stay where they are when the shell deletes them; `foreign` ones lie where
// Wine's trash cannot take them.
struct Item {
    bool folder = false, link = false, held = false;
    std::wstring target;
    bool foreign = false;
};
const Item Folder{true, false, false, {}}, Held{false, false, true, {}};
Item LinkTo(std::wstring target, bool folder) { return {folder, true, false, std::move(target)}; }
// Items by folder and name, so that a name may hold a backslash, as a Linux
// name does under Wine.
using Tree = std::map<std::pair<std::wstring, std::wstring>, Item>;

// Three items in C:\.
const Tree Plain{{{L"C:\\", L"a.txt"}, {}}, {{L"C:\\", L"フォルダ"}, Folder}, {{L"C:\\", L"b 😀.doc"}, {}}};

// Records every call in order, a NUL in a list to delete as '|'; answers as
// its case says, from its file system, which becomes `whileAsked` while a
// box is open. The file system finds a name in any case, as Windows does.
struct FakeDesktop final : DropDesktop {
    FakeDesktop(const Case& c, Tree tree, bool followsLinks) : c(c), tree(std::move(tree)), followsLinks(followsLinks) {}
    int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) override {
        calls.push_back(L"box " + std::to_wstring(style) + L" " + std::wstring(title) + L": " + std::wstring(text));
        if (whileAsked) tree = *std::exchange(whileAsked, std::nullopt);
        return c.answer;
    }
    void SetMousePointer(MousePointer to) override { calls.push_back(to == MousePointer::Hourglass ? L"wait" : L"arrow"); }
    ShellResult DeleteFiles(const std::wstring& list, unsigned flags) override {
        std::wstring& call = calls.emplace_back(L"delete " + std::to_wstring(flags) + L" " + list);
        std::replace(call.begin(), call.end(), L'\0', L'|');
        // In the list's order, as Wine's shell goes: a foreign item to
        // recycle brings its question, which is kept away, and the call stops.
        for (std::size_t at = 0; list[at]; at = list.find(L'\0', at) + 1) {
            const auto named = [&](const auto& item) { return EqualIgnoringCase(Path(item.first), list.c_str() + at); };
            const auto found = std::find_if(tree.begin(), tree.end(), named);
            if (found != tree.end() && found->second.foreign && followsLinks && (flags & fof::AllowUndo)) {
                calls.push_back(L"asks");
                return {0, true, true};
            }
            std::erase_if(tree, [&](const auto& item) { return !item.second.held && named(item); });
        }
        return c.shell;
    }
    std::wstring EventSoundName() override { return c.soundLookupFails ? throw std::exception() : L"%SystemRoot%\\a.wav"; }
    void PlayEventSound(const std::wstring& name) override { calls.push_back(L"play " + name); }
    std::vector<FolderEntry> FolderEntries(const std::wstring& folder) override {
        std::vector<FolderEntry> entries;
        for (const auto& [where, item] : tree)
            if (JoinPath(where.first, L"") == JoinPath(folder, L"")) entries.push_back({where.second, item.folder, item.link});
        return entries;
    }
    std::optional<std::wstring> FinalPath(const std::wstring& path) override {
        if (IsDriveOrShareRoot(path)) return path;
        for (const auto& [where, item] : tree)
            if (EqualIgnoringCase(Path(where), path)) return item.link && followsLinks ? item.target : Path(where);
        return std::nullopt;
    }
    bool ShellFollowsLinks() override { return followsLinks; }
    std::wstring UpperCase(std::wstring_view name) override {
        std::wstring upper(name);
        std::replace(upper.begin(), upper.end(), L'ä', L'Ä');
        return upper;
    }
    std::vector<std::wstring> RedirectedFolders() override { return {L"C:\\windows\\System32"}; }
    static std::wstring Path(const std::pair<std::wstring, std::wstring>& where) { return JoinPath(where.first, where.second); }

    const Case& c;
    Tree tree;
    const bool followsLinks;
    std::optional<Tree> whileAsked;
    Texts calls;
};

// The calls a drop of `paths` makes.
Texts Calls(const Case& c, const Texts& paths, const Tree& tree = Plain, bool followsLinks = false,
            std::optional<Tree> whileAsked = {}) {
    FakeDesktop desktop(c, tree, followsLinks);
    desktop.whileAsked = std::move(whileAsked);
    SettingsRecord settings;
    settings.Option1 = c.option1, settings.Option2 = c.option2, settings.Option3 = c.option3, settings.Option5 = c.option5;
    ProcessDroppedFiles(settings, paths, desktop);
    return desktop.calls;
}

TEST(ProcessDroppedFiles, TakesTheStepsTheOptionsAsk) {
    const std::wstring AskRecycle = L"box 33 RUblet: 3個のファイルを「ｺﾞﾐ箱に移動」します\r\nよろしいですか？",
                       AskDelete = L"box 49 RUblet: 3個のファイルを「削除」します\r\nよろしいですか？",
                       Done = L"box 64 Rublet: 処理が完了しました", Play = L"play %SystemRoot%\\a.wav",
                       Failed = L"box 16 Rublet: エラーが発生したため、処理は完了しませんでした",
                       Recycle = L"delete 16464 C:\\a.txt|C:\\フォルダ|C:\\b 😀.doc||";
    const Case cases[] = {
        {0, 1, 1, 1, {AskRecycle, L"wait", Recycle, L"arrow", Done, Play}},
        {-1, 1, 0, 0, {AskDelete, L"wait", L"delete 272" + Recycle.substr(12), L"arrow"}},  // every value but 0 deletes
        {0, -1, -1, -1, {L"wait", Recycle, L"arrow"}},          // only 1 is on
        {0, 0, 1, 1, {L"wait", Recycle, L"arrow", Failed}, 1, {0x7C, false}},
        {0, 0, 1, 1, {L"wait", Recycle, L"arrow", Failed}, 1, {0, true}},  // aborted, though the items went
        {0, 0, 1, 1, {L"wait", Recycle, L"arrow", Done, L"arrow", Failed}, 1, {}, true}};
    for (const Case& c : cases) EXPECT_EQ(Calls(c, {L"C:\\a.txt", L"C:\\フォルダ", L"C:\\b 😀.doc"}), c.calls) << &c - cases;
}

TEST(ProcessDroppedFiles, AsksWithTheCountBeyondSixteenBits) {
    EXPECT_EQ(Calls({1, 1}, Texts(40000, L"C:\\a.txt")).front(), L"box 49 RUblet: 40000個のファイルを「削除」します\r\nよろしいですか？");
}

// Whatever the shell says, an item still there is a failure.
TEST(ProcessDroppedFiles, CallsItAFailureWhenAnItemIsLeft) {
    const Tree tree{{{L"C:\\", L"a.txt"}, Held}, {{L"C:\\", L"b.txt"}, {}}};
    EXPECT_EQ(Calls({0, 0, 1}, {L"C:\\b.txt", L"C:\\a.txt"}, tree),
              (Texts{L"wait", L"delete 16464 C:\\b.txt|C:\\a.txt||", L"arrow",
                     L"box 16 Rublet: エラーが発生したため、処理は完了しませんでした"}));
}

// Every path must name the very item that was dragged, and nothing that the
// shell removes may lie outside what was dropped: each hazard is refused
// before the shell is called, with a message naming the item.
TEST(ProcessDroppedFiles, RefusesWhatCouldReachPastTheDrop) {
    const std::wstring longest = L"C:\\" + std::wstring(256, L'x');
    const auto in = [](std::wstring folder, std::wstring name, Item item = {}) {
        return std::pair{std::pair{std::move(folder), std::move(name)}, std::move(item)};
    };
    const Tree tree{in(L"C:\\", L"w", Folder), in(L"C:\\", std::wstring(256, L'x')), in(L"C:\\w", L"same"),
                    in(L"C:\\w", L"same."), in(L"C:\\w", L"a", Folder), in(L"C:\\w\\a", L"b"), in(L"C:\\w", L"a\\b"),
                    in(L"C:\\w", L"link", LinkTo(L"C:\\t", false)), in(L"C:\\w", L"d", Folder), in(L"C:\\w\\d", L"f"),
                    in(L"C:\\w\\d", L"in", LinkTo(L"C:\\t", true)), in(L"C:\\w", L"odd", Folder), in(L"C:\\w\\odd", L"n."),
                    in(L"C:\\w", L"Case"), in(L"C:\\", L"a.txt"),
                    // case twins: a folder that holds a link, beside a file
                    in(L"C:\\w", L"Twin", Folder), in(L"C:\\w\\Twin", L"in", LinkTo(L"C:\\t", true)), in(L"C:\\w", L"twin"),
                    // a Linux name Wine could not decode, and one inside a folder
                    in(L"C:\\w", L"a\uFFFDb"), in(L"C:\\w", L"sjis", Folder), in(L"C:\\w\\sjis", L"\uFFFD\uFFFD.txt"),
                    // a name the shell's path joining reads as a step up
                    in(L"C:\\w", L"up", Folder), in(L"C:\\w\\up", L"..q"),
                    // a mount point, whose final path is its own
                    in(L"C:\\w", L"m", Folder), in(L"C:\\w\\m", L"stick", LinkTo(L"C:\\w\\m\\stick", true)),
                    // a link to the same path as the disk spells it in another case
                    in(L"C:\\w", L"self", LinkTo(L"C:\\W\\SELF", false)), in(L"C:\\windows", L"System32", Folder),
                    in(L"C:\\windows\\System32", L"x.txt"), in(L"C:\\w", L"Ä.txt"), in(L"C:\\w", L"ä.txt")};
    const std::wstring Ambiguous = L"別の項目を指すおそれのある名前を含むため処理できません。",
                       Link = L"リンクを含むため処理できません。リンク先まで削除されるおそれがあります。";
    for (const auto& [option1, followsLinks, dropped, reason] : {
             std::tuple<std::int16_t, bool, std::wstring, std::wstring>{1, false, longest + L"y", L"パスが長すぎる項目を含むため処理できません。"},
             {0, false, L"C:\\w\\same", Ambiguous}, {0, false, L"C:\\w\\a\\b", Ambiguous}, {1, false, L"C:\\w\\odd", Ambiguous},
             {0, false, L"C:\\w\\gone", L"ドロップされた項目か、その中の項目が見つからないため処理できません。"},
             {0, true, L"C:\\w\\case", Ambiguous}, {1, false, L"C:\\w\\Twin", Ambiguous}, {0, true, L"C:\\w\\twin", Ambiguous},
             {0, true, L"C:\\w\\a\uFFFDb", Ambiguous}, {1, false, L"C:\\w\\sjis", Ambiguous}, {1, true, L"C:\\w\\up", Ambiguous},
             {0, false, L"C:\\w\\ä.txt", Ambiguous},
             {1, false, L"\\\\?\\C:\\windows\\System32\\x.txt", L"システムが別のフォルダーに振り替える場所にあるため処理できません。"},
             {1, true, L"C:\\w\\m", Link}, {0, true, L"C:\\w\\self", Link},
             {1, false, L"C:\\windows\\system32\\x.txt", L"システムが別のフォルダーに振り替える場所にあるため処理できません。"}})
        EXPECT_EQ(Calls({option1, 1}, {L"C:\\a.txt", dropped}, tree, followsLinks),
                  Texts{L"box 48 Rublet: " + reason + L"\r\n" + dropped + L"\r\n何も削除していません。"})
            << testing::PrintToString(dropped);

    // What Windows' shell removes as itself, a mount point or link to a
    // folder in a folder to recycle whole, and a folder to recycle whole
    // that holds odd names are handed over.
    for (const auto& [option1, followsLinks, dropped] : {std::tuple{1, false, longest.c_str()}, {1, false, L"C:\\w\\link"}, {1, false, L"C:\\w\\d"},
                                                        {1, false, L"C:\\w\\m"}, {0, false, L"C:\\w\\odd"}, {0, false, L"C:\\w\\up"}}) {
        const Texts calls = Calls({static_cast<std::int16_t>(option1)}, {dropped}, tree, followsLinks);
        ASSERT_EQ(calls.size(), 3u) << testing::PrintToString(calls);
        EXPECT_EQ(calls[1], (option1 ? L"delete 272 " : L"delete 16464 ") + std::wstring(dropped) + L"||");
    }
}

// Wine's trash moves a folder whole, unopened. What it cannot take (on
// another file system) its shell would delete for good after a question of
// its own; the bin keeps that away, sets the item aside, hands the rest
// over again, and asks itself, with the look after the answer.
TEST(ProcessDroppedFiles, AsksItselfBeforeDeletingForGoodWhatCouldNotBeRecycled) {
    const auto tree = [](bool foreign, std::wstring inner) {
        return Tree{{{L"C:\\", L"up"}, {true, false, false, {}, foreign}}, {{L"C:\\up", std::move(inner)}, {}},
                    {{L"C:\\", L"b.txt"}, {}}};
    };
    const std::wstring Question = L"box 49 Rublet: 次の項目はごみ箱に移せません。完全に削除しますか?\r\nC:\\up";
    const Texts handed{L"wait", L"delete 16464 C:\\up|C:\\b.txt||", L"asks", L"delete 16464 C:\\b.txt||", L"arrow", Question};
    EXPECT_EQ(Calls({}, {L"C:\\up", L"C:\\b.txt"}, tree(false, L"..q"), true),
              (Texts{L"wait", L"delete 16464 C:\\up|C:\\b.txt||", L"arrow"}));
    Texts deleted = handed;
    deleted.insert(deleted.end(), {L"wait", L"delete 272 C:\\up||", L"arrow"});
    EXPECT_EQ(Calls({}, {L"C:\\up", L"C:\\b.txt"}, tree(true, L"q"), true), deleted);
    Texts refused = handed;
    refused.push_back(L"box 48 Rublet: 別の項目を指すおそれのある名前を含むため処理できません。\r\nC:\\up\r\n"
                      L"エラーが発生したため、処理は完了しませんでした");
    EXPECT_EQ(Calls({}, {L"C:\\up", L"C:\\b.txt"}, tree(true, L"..q"), true), refused);
}

// The check runs again once the question is answered: a folder swapped for
// a link while the question was open is refused, in both modes.
TEST(ProcessDroppedFiles, LooksAgainAfterTheQuestion) {
    const Tree before{{{L"C:\\", L"d"}, Folder}, {{L"C:\\d", L"f"}, {}}};
    const Tree swapped{{{L"C:\\", L"d"}, LinkTo(L"C:\\t", true)}, {{L"C:\\t", L"f"}, {}}};
    for (const std::int16_t option1 : {0, 1}) {
        const Texts calls = Calls({option1, 1}, {L"C:\\d"}, before, true, swapped);
        ASSERT_EQ(calls.size(), 2u) << testing::PrintToString(calls);
        EXPECT_EQ(calls[1], L"box 48 Rublet: リンクを含むため処理できません。リンク先まで削除されるおそれがあります。\r\nC:\\d\r\n何も削除していません。");
    }
}

}  // namespace
