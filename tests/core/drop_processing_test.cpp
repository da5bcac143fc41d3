#include "drop/drop_processing.h"

#include "layouts/language.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace rublet {
namespace {

// Records every call in order; answers as told.
class FakeDesktop final : public DropDesktop {
public:
    int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) override {
        calls.push_back(L"box " + std::to_wstring(style) + L" " + std::wstring(title) + L": " + std::wstring(text));
        return answer;
    }
    void SetMousePointer(MousePointer pointer) override {
        calls.push_back(pointer == MousePointer::Hourglass ? L"hourglass" : L"arrow");
    }
    ShellResult DeleteFiles(const std::wstring& sourceList, unsigned flags) override {
        calls.push_back(L"delete " + std::to_wstring(flags));
        lists.push_back(sourceList);
        return shellResult;
    }
    std::wstring EventSoundName() override {
        if (soundLookupFails) throw std::runtime_error("lookup");
        return L"%SystemRoot%\\empty.wav";
    }
    std::vector<std::wstring> FolderNames(const std::wstring& folder) override {
        if (folder != L"C:") return {};
        return leftBehind ? std::vector<std::wstring>{L"b.txt", L"a.txt"} : std::vector<std::wstring>{L"b.txt"};
    }
    void PlayEventSound(const std::wstring& name) override { calls.push_back(L"play " + name); }

    int answer = box::IdOk;
    ShellResult shellResult;
    bool soundLookupFails = false, leftBehind = false;
    std::vector<std::wstring> calls, lists;
};

const std::wstring AskRecycle = L"box 33 RUblet: 3個のファイルを「ｺﾞﾐ箱に移動」します\r\nよろしいですか？";
const std::wstring AskDelete = L"box 49 RUblet: 3個のファイルを「削除」します\r\nよろしいですか？";
const std::wstring Done = L"box 64 Rublet: 処理が完了しました";
const std::wstring Failed = L"box 16 Rublet: エラーが発生したため、処理は完了しませんでした";
const std::wstring Play = L"play %SystemRoot%\\empty.wav";

struct Case {
    std::int16_t option1, option2, option3, option5;
    std::vector<std::wstring> calls;
    int answer = box::IdOk;
    ShellResult shell = {};
    bool soundLookupFails = false, leftBehind = false;
};

class ProcessDroppedFilesRuns : public testing::TestWithParam<Case> {};

TEST_P(ProcessDroppedFilesRuns, TheStepsTheOptionsAsk) {
    const Case& c = GetParam();
    FakeDesktop desktop;
    desktop.answer = c.answer;
    desktop.shellResult = c.shell;
    desktop.soundLookupFails = c.soundLookupFails;
    desktop.leftBehind = c.leftBehind;
    SettingsRecord settings;
    settings.Option1 = c.option1, settings.Option2 = c.option2, settings.Option3 = c.option3, settings.Option5 = c.option5;
    ProcessDroppedFiles(settings, {L"C:\\a.txt", L"C:\\フォルダ", L"C:\\b 😀.doc"}, desktop);
    EXPECT_EQ(desktop.calls, c.calls);
    constexpr wchar_t list[] = L"C:\\a.txt\0C:\\フォルダ\0C:\\b 😀.doc\0";  // and the literal's own NUL
    for (const std::wstring& sent : desktop.lists) EXPECT_EQ(sent, std::wstring(list, std::size(list)));
}

INSTANTIATE_TEST_SUITE_P(
    Options, ProcessDroppedFilesRuns,
    testing::Values(
        Case{0, 1, 1, 1, {AskRecycle, L"hourglass", L"delete 16464", L"arrow", Done, Play}},
        Case{1, 1, 0, 0, {AskDelete, L"hourglass", L"delete 272", L"arrow"}},
        Case{-1, 1, 0, 0, {AskDelete, L"hourglass", L"delete 272", L"arrow"}},  // every value but 0 deletes
        Case{5, 1, 0, 0, {AskDelete, L"hourglass", L"delete 272", L"arrow"}},
        Case{0, 1, 1, 1, {AskRecycle}, 2},  // cancel: nothing more
        Case{0, 1, 1, 1, {AskRecycle}, 0},
        Case{0, 2, 2, 2, {L"hourglass", L"delete 16464", L"arrow"}},  // only 1 is on
        Case{0, -1, -1, -1, {L"hourglass", L"delete 16464", L"arrow"}},
        Case{0, 0, 0, 1, {L"hourglass", L"delete 16464", L"arrow", Play}},  // the sound at once
        Case{0, 0, 1, 1, {L"hourglass", L"delete 16464", L"arrow", Failed}, 1, {0x7C, false}},
        Case{0, 0, 1, 1, {L"hourglass", L"delete 16464", L"arrow", Failed}, 1, {0, true}},  // aborted
        Case{0, 0, 1, 1, {L"hourglass", L"delete 16464", L"arrow", Done, L"arrow", Failed}, 1, {}, true},
        // The shell said it was done, but an item is still there.
        Case{0, 0, 1, 1, {L"hourglass", L"delete 16464", L"arrow", Failed}, 1, {}, false, true}));

TEST(ProcessDroppedFiles, CountsEveryItemBeyondSixteenBitsAndRefusesADriveRoot) {
    FakeDesktop desktop;
    SettingsRecord settings;
    settings.Option1 = settings.Option2 = 1;
    ProcessDroppedFiles(settings, std::vector<std::wstring>(40000, L"C:\\f"), desktop);
    EXPECT_EQ(desktop.calls.front(), L"box 49 RUblet: 40000個のファイルを「削除」します\r\nよろしいですか？");
    ASSERT_EQ(desktop.lists.size(), 1u);
    EXPECT_EQ(desktop.lists[0].size(), 40000u * 5 + 1);

    FakeDesktop refusing;
    ProcessDroppedFiles(settings, {L"C:\\a.txt", L"D:\\", L"C:\\b"}, refusing);
    EXPECT_EQ(refusing.calls, (std::vector<std::wstring>{L"box 48 Rublet: ドライブそのものは削除できません。\r\nD:\\"}));
}

TEST(ProcessDroppedFiles, SpeaksEnglishWithTheCountWhereEnglishPutsItAndOneFileInTheSingular) {
    UseLanguage(Language::English);
    SettingsRecord settings;
    settings.Option2 = settings.Option3 = 1;
    FakeDesktop one, three;
    ProcessDroppedFiles(settings, {L"C:\\a.txt"}, one);
    ProcessDroppedFiles(settings, {L"C:\\a.txt", L"C:\\b", L"C:\\c"}, three);
    settings.Option1 = 1;
    FakeDesktop deleting, root;
    ProcessDroppedFiles(settings, {L"C:\\a.txt"}, deleting);
    ProcessDroppedFiles(settings, {L"D:\\"}, root);
    UseLanguage(Language::Japanese);
    EXPECT_EQ(one.calls.front(),
              L"box 33 Rublet: 1 file will be moved to the Recycle Bin.\r\nDo you want to continue?");
    EXPECT_EQ(one.calls.back(), L"box 64 Rublet: The operation is complete.");
    EXPECT_EQ(three.calls.front(),
              L"box 33 Rublet: 3 files will be moved to the Recycle Bin.\r\nDo you want to continue?");
    EXPECT_EQ(deleting.calls.front(), L"box 49 Rublet: 1 file will be deleted permanently. This cannot be undone."
                                      L"\r\nDo you want to continue?");
    EXPECT_EQ(root.calls, (std::vector<std::wstring>{L"box 48 Rublet: A whole drive cannot be deleted.\r\nD:\\"}));
}

TEST(IsDriveOrShareRoot, KnowsRootsFromWhatLiesBelowThem) {
    for (const wchar_t* root : {L"C:\\", L"c:", L"Z:/", L"\\\\server\\share", L"\\\\server\\share\\", L"\\\\?\\C:\\",
                                L"\\\\?\\UNC\\server\\share", L"\\\\.\\D:", L"\\"})
        EXPECT_TRUE(IsDriveOrShareRoot(root)) << testing::PrintToString(std::wstring(root));
    for (const wchar_t* below : {L"C:\\a", L"C:\\a\\", L"\\\\server\\share\\f", L"\\\\?\\C:\\x",
                                 L"\\\\?\\UNC\\server\\share\\x", L"relative", L"C:a", L""})
        EXPECT_FALSE(IsDriveOrShareRoot(below)) << testing::PrintToString(std::wstring(below));
}

}  // namespace
}  // namespace rublet
