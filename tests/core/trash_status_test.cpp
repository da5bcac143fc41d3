#include "recycle_menu/trash_status.h"

#include <gtest/gtest.h>

#include "layouts/language.h"
#include "main_window/recycle_bin_looks.h"

namespace rublet {
namespace {

struct StatusCase {
    std::int64_t count, bytes;
    const wchar_t* line;
};

class TrashStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(TrashStatus, IsBuiltFromTheCountAndTheRoundedMegabytes) {
    EXPECT_EQ(TrashStatusText(GetParam().count, GetParam().bytes), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrashStatus,
    testing::Values(StatusCase{0, 123456, L"空っぽ"}, StatusCase{3, 1572864, L"3個のｵﾌﾞｼﾞｪｸﾄ(1.5MB)"},
                    StatusCase{1, 1000, L"1個のｵﾌﾞｼﾞｪｸﾄ(0MB)"}, StatusCase{1, 5242, L"1個のｵﾌﾞｼﾞｪｸﾄ(0MB)"},
                    StatusCase{1, 5243, L"1個のｵﾌﾞｼﾞｪｸﾄ(0.01MB)"}, StatusCase{2, 1234567, L"2個のｵﾌﾞｼﾞｪｸﾄ(1.18MB)"},
                    StatusCase{2, 10485760, L"2個のｵﾌﾞｼﾞｪｸﾄ(10MB)"}, StatusCase{1, 131072, L"1個のｵﾌﾞｼﾞｪｸﾄ(0.13MB)"},
                    StatusCase{4, 3221225472LL, L"4個のｵﾌﾞｼﾞｪｸﾄ(3072MB)"},
                    StatusCase{9, 5368709120LL, L"9個のｵﾌﾞｼﾞｪｸﾄ(5120MB)"},
                    StatusCase{7, 129453816545LL, L"7個のｵﾌﾞｼﾞｪｸﾄ(123456.8MB)"},
                    StatusCase{1234, 1048576, L"1234個のｵﾌﾞｼﾞｪｸﾄ(1MB)"}));

TEST(TrashStatus, InEnglishPutsTheUnitAfterASpaceAndOneObjectInTheSingular) {
    UseLanguage(Language::English);
    const std::wstring empty = TrashStatusText(0, 0), one = TrashStatusText(1, 1000),
                       three = TrashStatusText(3, 1572864), big = TrashStatusText(7, 129453816545LL);
    UseLanguage(Language::Japanese);
    EXPECT_EQ(empty, L"Empty");
    EXPECT_EQ(one, L"1 object (0 MB)");
    EXPECT_EQ(three, L"3 objects (1.5 MB)");
    EXPECT_EQ(big, L"7 objects (123456.8 MB)");
}

TEST(Language, IsJapaneseForEveryJapaneseDisplayLanguageAndEnglishForAnyOther) {
    EXPECT_EQ(LanguageOf(0x0411), Language::Japanese);
    EXPECT_EQ(LanguageOf(0x0011), Language::Japanese);  // Japanese, no sublanguage
    // The primary language is the low ten bits: 0x0811 would be Japanese too, 0x0412 (Korean) is not.
    EXPECT_EQ(LanguageOf(0x0811), Language::Japanese);
    for (const std::uint16_t other : {0x0409, 0x0809, 0x0404, 0x0804, 0x0412, 0x0407, 0x0000, 0x0400, 0x0111})
        EXPECT_EQ(LanguageOf(other), Language::English) << other;
}

TEST(FillIn, PutsEachValueWhereItsNameStandsAndKeepsAnyOtherBrace) {
    EXPECT_EQ(FillIn(L"{count} objects ({size} MB)", {{L"count", L"3"}, {L"size", L"1.5"}}), L"3 objects (1.5 MB)");
    EXPECT_EQ(FillIn(L"({size}) {count}{count}", {{L"count", L"7"}, {L"size", L"{count}"}}), L"({count}) 77");
    EXPECT_EQ(FillIn(L"{other} {count", {{L"count", L"1"}}), L"{other} {count");
    EXPECT_EQ(FillIn(L"{}{{count}}", {{L"count", L"2"}}), L"{}{2}");
    EXPECT_EQ(FillIn(L"", {{L"count", L"2"}}), L"");
}

TEST(NextRecycleBinCheck, LooksEveryTwoSecondsUnlessLookingWouldTakeMoreThanAFortiethOfTheTime) {
    EXPECT_EQ(NextRecycleBinCheckMs(0), 2000u);
    EXPECT_EQ(NextRecycleBinCheckMs(50), 2000u);
    EXPECT_EQ(NextRecycleBinCheckMs(51), 2040u);
    EXPECT_EQ(NextRecycleBinCheckMs(908), 36320u);
    EXPECT_EQ(NextRecycleBinCheckMs(1500), 60000u);
    EXPECT_EQ(NextRecycleBinCheckMs(4000000000u), 60000u) << "no overflow";
}

}  // namespace
}  // namespace rublet
