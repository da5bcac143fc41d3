#include "undo/drop_undo.h"

#include <gtest/gtest.h>

#include "texts/language.h"

using namespace rublet;

namespace {
constexpr std::int64_t Second = TicksPerSecond;
const std::wstring A = L"T:\\d\\a.txt", B = L"T:\\d\\b", C = L"T:\\d\\c.txt";
}  // namespace

TEST(DropUndo, TakesOnlyTheEntryThatTheDropMadeOfEachItem) {
    // The drop ran from 100.4 s to 102 s. One Recycle Bin keeps whole seconds only.
    const RecycledDrop drop{{A, B, C, L"T:\\d\\gone"}, 100 * Second + Second * 4 / 10, 102 * Second};
    const std::vector<RecycleBinEntry> entries = {
        {A, 99 * Second},         // thrown away earlier: never taken
        {L"t:\\d\\a.txt", 101 * Second},  // another place, for all its likeness
        {A, 100 * Second},        // the drop's, kept to the second
        {B, 101 * Second},
        {B, 102 * Second},        // two of the drop's time: neither is taken
        {C, std::nullopt},        // a time the shell does not tell
        {C, 103 * Second}};       // after the drop
    const std::vector<UndoItem> items = MatchDrop(drop, entries);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].Fate, UndoFate::Restore);
    EXPECT_EQ(items[0].Entry, 2u);
    EXPECT_EQ(items[1].Fate, UndoFate::Ambiguous);
    EXPECT_EQ(items[2].Fate, UndoFate::Missing);
    EXPECT_EQ(items[3].Fate, UndoFate::Missing);
}

TEST(DropUndo, SaysDoneOnlyWhenEveryItemCameBackAndNamesEachOneKeptWithItsReason) {
    UseLanguage(Language::English);
    EXPECT_EQ(UndoCaption(1), L"Undo 1 item");
    EXPECT_EQ(UndoCaption(3), L"Undo 3 items");
    EXPECT_EQ(UndoReport({{A, UndoFate::Restored}, {B, UndoFate::Restored}}), L"Done");
    EXPECT_EQ(UndoReport({{A, UndoFate::Restored}, {B, UndoFate::Occupied}, {C, UndoFate::Missing}}),
              L"Some items could not be restored.\r\nRestored:\r\nT:\\d\\a.txt\r\nLeft in the Recycle Bin:\r\n"
              L"T:\\d\\b  (something else now stands at its place)\r\nT:\\d\\c.txt  (no longer in the Recycle Bin)");
    EXPECT_EQ(UndoReport({{A, UndoFate::Ambiguous}, {B, UndoFate::Failed}}),
              L"Nothing could be restored.\r\nLeft in the Recycle Bin:\r\n"
              L"T:\\d\\a.txt  (more than one item in the Recycle Bin came from there at that time)\r\n"
              L"T:\\d\\b  (the Recycle Bin did not restore it)");
    UseLanguage(Language::Japanese);
    EXPECT_EQ(UndoCaption(3), L"3 個の項目を元に戻す");
}
