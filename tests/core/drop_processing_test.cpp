#include "drop/drop_processing.h"

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
        calls.push_back(pointer == MousePointer::Hourglass ? L"hourglass" : L"default pointer");
    }
    ShellResult DeleteFiles(const std::wstring& sourceList, unsigned flags) override {
        calls.push_back(L"delete " + std::to_wstring(flags));
        lists.push_back(sourceList);
        return shellResult;
    }
    std::wstring EventSoundName() override {
        calls.push_back(L"sound lookup");
        if (soundLookupFails) throw std::runtime_error("lookup");
        return L"%SystemRoot%\\Media\\empty.wav";
    }
    void PlayEventSound(const std::wstring& name) override { calls.push_back(L"play " + name); }

    int answer = box::IdOk;
    ShellResult shellResult;
    bool soundLookupFails = false;
    std::vector<std::wstring> calls;
    std::vector<std::wstring> lists;
};

SettingsRecord Options(std::int16_t option1, std::int16_t option2, std::int16_t option3, std::int16_t option5) {
    SettingsRecord settings;
    settings.Option1 = option1;
    settings.Option2 = option2;
    settings.Option3 = option3;
    settings.Option5 = option5;
    return settings;
}

const std::vector<std::wstring> ThreePaths = {L"C:\\a.txt", L"C:\\フォルダ", L"C:\\b 😀.doc"};
constexpr wchar_t ThreePathListText[] = L"C:\\a.txt\0C:\\フォルダ\0C:\\b 😀.doc\0\0";
const std::wstring ThreePathList(ThreePathListText, std::size(ThreePathListText) - 1);

TEST(ProcessDroppedFiles, ConfirmedRecycleRunsOneShellCallThenTheMessageThenTheSound) {
    FakeDesktop desktop;
    ProcessDroppedFiles(Options(0, 1, 1, 1), ThreePaths, desktop);
    EXPECT_EQ(desktop.calls, (std::vector<std::wstring>{
                                 L"box 33 RUblet: 3個のファイルを「ｺﾞﾐ箱に移動」します\r\nよろしいですか？",
                                 L"hourglass", L"delete 16464", L"default pointer",
                                 L"box 64 Rublet: 処理が完了しました", L"sound lookup",
                                 L"play %SystemRoot%\\Media\\empty.wav"}));
    ASSERT_EQ(desktop.lists.size(), 1u);
    EXPECT_EQ(desktop.lists[0], ThreePathList);
}

TEST(ProcessDroppedFiles, EveryNonZeroOption1DeletesOutrightWithTheExclamationBox) {
    for (const std::int16_t option1 : {1, -1, 2, 5}) {
        FakeDesktop desktop;
        ProcessDroppedFiles(Options(option1, 1, 0, 0), {L"D:\\x"}, desktop);
        EXPECT_EQ(desktop.calls, (std::vector<std::wstring>{
                                     L"box 49 RUblet: 1個のファイルを「削除」します\r\nよろしいですか？",
                                     L"hourglass", L"delete 272", L"default pointer"}))
            << option1;
    }
}

TEST(ProcessDroppedFiles, CancelEndsWithNothingDeletedAndNothingShown) {
    for (const int answer : {2, 0, 7}) {
        FakeDesktop desktop;
        desktop.answer = answer;
        ProcessDroppedFiles(Options(0, 1, 1, 1), ThreePaths, desktop);
        ASSERT_EQ(desktop.calls.size(), 1u);
        EXPECT_TRUE(desktop.lists.empty());
    }
}

TEST(ProcessDroppedFiles, OnlyExactlyOneTurnsAnOptionOn) {
    for (const std::int16_t off : {0, -1, 2}) {
        FakeDesktop desktop;
        ProcessDroppedFiles(Options(0, off, off, off), ThreePaths, desktop);
        EXPECT_EQ(desktop.calls, (std::vector<std::wstring>{L"hourglass", L"delete 16464", L"default pointer"}))
            << off;
    }
}

TEST(ProcessDroppedFiles, WithoutTheMessageTheSoundFollowsTheShellAtOnce) {
    FakeDesktop desktop;
    ProcessDroppedFiles(Options(0, 0, 0, 1), ThreePaths, desktop);
    EXPECT_EQ(desktop.calls, (std::vector<std::wstring>{L"hourglass", L"delete 16464", L"default pointer",
                                                         L"sound lookup", L"play %SystemRoot%\\Media\\empty.wav"}));
}

TEST(ProcessDroppedFiles, TheConfirmationCountsEveryItemTrulyBeyondSixteenBits) {
    EXPECT_EQ(ConfirmationText(12, 0), L"12個のファイルを「ｺﾞﾐ箱に移動」します\r\nよろしいですか？");
    std::vector<std::wstring> many(40000, L"C:\\f");
    FakeDesktop desktop;
    ProcessDroppedFiles(Options(1, 1, 0, 0), many, desktop);
    EXPECT_EQ(desktop.calls.front(), L"box 49 RUblet: 40000個のファイルを「削除」します\r\nよろしいですか？");
    ASSERT_EQ(desktop.lists.size(), 1u);
    EXPECT_EQ(desktop.lists[0].size(), 40000u * 5 + 1);
}

TEST(ProcessDroppedFiles, AFailedOrAbortedShellOperationIsReportedAsAFailure) {
    for (const ShellResult result : {ShellResult{0x7C, false}, ShellResult{0, true}, ShellResult{1223, true}}) {
        FakeDesktop desktop;
        desktop.shellResult = result;
        ProcessDroppedFiles(Options(0, 0, 1, 1), ThreePaths, desktop);
        EXPECT_EQ(desktop.calls,
                  (std::vector<std::wstring>{L"hourglass", L"delete 16464", L"default pointer",
                                             L"box 16 Rublet: エラーが発生したため、処理は完了しませんでした"}));
    }
}

TEST(ProcessDroppedFiles, AFailingSoundLookupEndsInTheErrorMessage) {
    FakeDesktop desktop;
    desktop.soundLookupFails = true;
    ProcessDroppedFiles(Options(0, 0, 1, 1), ThreePaths, desktop);
    EXPECT_EQ(desktop.calls, (std::vector<std::wstring>{L"hourglass", L"delete 16464", L"default pointer",
                                                         L"box 64 Rublet: 処理が完了しました", L"sound lookup",
                                                         L"default pointer",
                                                         L"box 16 Rublet: エラーが発生したため、処理は完了しませんでした"}));
}

TEST(ProcessDroppedFiles, ADropHoldingADriveOrShareRootDeletesNothing) {
    FakeDesktop desktop;
    ProcessDroppedFiles(Options(0, 1, 1, 1), {L"C:\\a.txt", L"D:\\", L"C:\\b"}, desktop);
    EXPECT_EQ(desktop.calls, (std::vector<std::wstring>{L"box 48 Rublet: ドライブそのものは削除できません。\r\nD:\\"}));
    EXPECT_TRUE(desktop.lists.empty());
}

TEST(IsDriveOrShareRoot, KnowsRootsFromWhatLiesBelowThem) {
    for (const wchar_t* root : {L"C:\\", L"c:", L"Z:/", L"\\\\server\\share", L"\\\\server\\share\\",
                                L"\\\\?\\C:\\", L"\\\\?\\UNC\\server\\share", L"\\\\.\\D:", L"\\"})
        EXPECT_TRUE(IsDriveOrShareRoot(root)) << testing::PrintToString(std::wstring(root));
    for (const wchar_t* below : {L"C:\\a", L"C:\\a\\", L"\\\\server\\share\\f", L"\\\\?\\C:\\x",
                                 L"\\\\?\\UNC\\server\\share\\x", L"relative", L"C:a", L""})
        EXPECT_FALSE(IsDriveOrShareRoot(below)) << testing::PrintToString(std::wstring(below));
}

}  // namespace
}  // namespace rublet
