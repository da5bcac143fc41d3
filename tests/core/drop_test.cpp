// A drop: the paths read from the block it arrives in, then processed as
// the options ask.
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>

#include "drop/drop_files_block.h"
#include "drop/drop_processing.h"

namespace {
using namespace rublet;
using Texts = std::vector<std::wstring>;

// A block as the shell builds it: the header, `gap` bytes, then the list
// (UTF-16 little endian, or one byte a character) with its closing NULs.
std::vector<std::byte> Block(const Texts& paths, bool wide, std::size_t gap = 0) {
    std::vector<std::byte> block(20 + gap);
    block[0] = static_cast<std::byte>(20 + gap), block[16] = static_cast<std::byte>(wide ? 1 : 0);
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    for (const wchar_t unit : list + L'\0') {
        block.push_back(static_cast<std::byte>(unit & 0xFF));
        if (wide) block.push_back(static_cast<std::byte>((unit >> 8) & 0xFF));
    }
    return block;
}

std::optional<Texts> Read(const std::vector<std::byte>& block) {
    return ReadDropFilesBlock(block, [](std::string_view text) { return L"ansi:" + std::wstring(text.begin(), text.end()); });
}

TEST(DropFilesBlock, GivesEveryPathWholeInTheDropsOrderWideOrAnsi) {
    // Far past MAX_PATH; the emoji as the UTF-16 surrogates the block holds on every host.
    const Texts paths{L"T:\\b.txt", L"T:\\" + std::wstring(40000, L'x'), L"T:\\フォルダ", L"T:\\a \xD83D\xDE00.doc"};
    EXPECT_EQ(Read(Block(paths, true)), paths);
    EXPECT_EQ(Read(Block(paths, true, 3)), paths) << "a list at an odd offset";
    EXPECT_EQ(Read(Block({}, true)), Texts{});
    EXPECT_EQ(Read(Block({L"T:\\b.txt", L"T:\\a"}, false)), (Texts{L"ansi:T:\\b.txt", L"ansi:T:\\a"}));
}

TEST(DropFilesBlock, ReadsNothingPastTheBlocksEnd) {
    for (const bool wide : {true, false}) {
        const auto whole = Block({L"T:\\one", L"T:\\two"}, wide);
        for (std::size_t size = 0; size < whole.size(); ++size)  // each cut copied whole: the sanitizers see any overread
            EXPECT_EQ(Read({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)}), std::nullopt) << size;
    }
    auto outside = Block({L"T:\\one"}, true);
    for (const std::uint32_t files : {0u, 19u, static_cast<std::uint32_t>(outside.size() + 1), 0xFFFFFFFFu}) {
        for (int i = 0; i < 4; ++i) outside[i] = static_cast<std::byte>(files >> (8 * i));
        EXPECT_EQ(Read(outside), std::nullopt) << "pFiles " << files;
    }
}

// A drop's options, what the desktop answers, and the calls it should see.
struct Case {
    std::int16_t option1 = 0, option2 = 0, option3 = 0, option5 = 0;
    Texts calls = {};
    int answer = box::IdOk;
    ShellResult shell = {};
    bool soundLookupFails = false;
};

// Records every call in order, a NUL in a list to delete as '|'; answers as its case says.
struct FakeDesktop final : DropDesktop {
    explicit FakeDesktop(const Case& c) : c(c) {}
    int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) override {
        calls.push_back(L"box " + std::to_wstring(style) + L" " + std::wstring(title) + L": " + std::wstring(text));
        return c.answer;
    }
    void SetMousePointer(MousePointer to) override { calls.push_back(to == MousePointer::Hourglass ? L"wait" : L"arrow"); }
    ShellResult DeleteFiles(const std::wstring& list, unsigned flags) override {
        deleted = true;
        std::wstring& call = calls.emplace_back(L"delete " + std::to_wstring(flags) + L" " + list);
        std::replace(call.begin(), call.end(), L'\0', L'|');
        return c.shell;
    }
    std::wstring EventSoundName() override { return c.soundLookupFails ? throw std::exception() : L"%SystemRoot%\\a.wav"; }
    // A folder "C:\\deep" holding a path too long, until the delete.
    std::vector<FolderEntry> FolderEntries(const std::wstring&) override {
        return deleted ? std::vector<FolderEntry>{{L"b.txt"}} : std::vector<FolderEntry>{{L"b.txt"}, {L"deep", true}};
    }
    void PlayEventSound(const std::wstring& name) override { calls.push_back(L"play " + name); }
    bool HoldsPathLongerThan(const std::wstring& folder, std::size_t limit) override {
        return folder == L"C:\\deep" && limit == 259;
    }

    const Case& c;
    Texts calls;
    bool deleted = false;
};

// The calls a drop of `paths` makes.
Texts Calls(const Case& c, const Texts& paths) {
    FakeDesktop desktop(c);
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
        {0, 0, 1, 1, {L"wait", Recycle, L"arrow", Failed}, 1, {0, true}},  // aborted
        {0, 0, 1, 1, {L"wait", Recycle, L"arrow", Done, L"arrow", Failed}, 1, {}, true}};
    for (const Case& c : cases) EXPECT_EQ(Calls(c, {L"C:\\a.txt", L"C:\\フォルダ", L"C:\\b 😀.doc"}), c.calls) << &c - cases;
}

// A cancelled question and a drive's root refused are the drop scenarios'.
TEST(ProcessDroppedFiles, AsksWithTheCountBeyondSixteenBits) {
    EXPECT_EQ(Calls({1, 1}, Texts(40000, L"C:\\f")).front(), L"box 49 RUblet: 40000個のファイルを「削除」します\r\nよろしいですか？");
}

TEST(IsDriveOrShareRoot, KnowsRootsFromWhatLiesBelowThem) {
    for (const wchar_t* root : {L"C:\\", L"c:", L"Z:/", L"\\\\server\\share", L"\\\\server\\share\\", L"\\\\?\\C:\\",
                                L"\\\\?\\UNC\\server\\share", L"\\\\.\\D:", L"\\"})
        EXPECT_TRUE(IsDriveOrShareRoot(root)) << testing::PrintToString(root);
    for (const wchar_t* below : {L"C:\\a", L"C:\\a\\", L"\\\\server\\share\\f", L"\\\\?\\C:\\x",
                                 L"\\\\?\\UNC\\server\\share\\x", L"relative", L"C:a", L""})
        EXPECT_FALSE(IsDriveOrShareRoot(below)) << testing::PrintToString(below);
}

// The shell takes paths of up to 259 characters; longer ones, or a folder
// holding one when deleting for good, are refused before it is called.
TEST(ProcessDroppedFiles, RefusesAPathLongerThanTheShellTakes) {
    const std::wstring longest = L"C:\\" + std::wstring(256, L'x'), tooLong = L"box 48 Rublet: パスが長すぎる項目を含むため処理できません。\r\n";
    EXPECT_EQ(Calls({1, 0}, {longest}), (Texts{L"wait", L"delete 272 " + longest + L"||", L"arrow"}));
    EXPECT_EQ(Calls({0, 1}, {L"C:\\a.txt", longest + L"y"}), Texts{tooLong + longest + L"y"});
    EXPECT_EQ(Calls({1, 1}, {L"C:\\a.txt", L"C:\\deep"}), Texts{tooLong + L"C:\\deep"});
    EXPECT_EQ(Calls({0, 0}, {L"C:\\deep"}), (Texts{L"wait", L"delete 16464 C:\\deep||", L"arrow"}));
}

}  // namespace
