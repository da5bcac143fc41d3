#include "recycle_menu/trash_status.h"

#include <gtest/gtest.h>

#include "layouts/language.h"
#include "main_window/recycle_bin_looks.h"

namespace {
using namespace rublet;

TEST(TrashStatus, IsBuiltFromTheCountAndTheMegabytesRoundedToHundredths) {
    // 5242 and 5243 bytes lie either side of 0.005 MB (exact halves are the rounding's own rows); past
    // 32 bits the bytes must not wrap, and a float keeps 7 digits.
    const struct { std::int64_t count, bytes; const wchar_t* line; } cases[] = {
        {0, 123456, L"空っぽ"}, {3, 1572864, L"3個のｵﾌﾞｼﾞｪｸﾄ(1.5MB)"}, {1, 5242, L"1個のｵﾌﾞｼﾞｪｸﾄ(0MB)"},
        {1, 5243, L"1個のｵﾌﾞｼﾞｪｸﾄ(0.01MB)"}, {2, 10485760, L"2個のｵﾌﾞｼﾞｪｸﾄ(10MB)"},
        {1234, 3221225472LL, L"1234個のｵﾌﾞｼﾞｪｸﾄ(3072MB)"}, {9, 5368709120LL, L"9個のｵﾌﾞｼﾞｪｸﾄ(5120MB)"},
        {7, 129453816545LL, L"7個のｵﾌﾞｼﾞｪｸﾄ(123456.8MB)"}};
    for (const auto& c : cases) EXPECT_EQ(TrashStatusText(c.count, c.bytes), c.line);
}

TEST(Language, IsJapaneseForEveryJapaneseDisplayLanguageAndEnglishForAnyOther) {
    // The primary language is the low ten bits: 0x0811 is Japanese too, 0x0412 (Korean) is not.
    for (const std::uint16_t japanese : {0x0411, 0x0011, 0x0811}) EXPECT_EQ(LanguageOf(japanese), Language::Japanese);
    for (const std::uint16_t other : {0x0409, 0x0809, 0x0404, 0x0804, 0x0412, 0x0407, 0x0000, 0x0400, 0x0111})
        EXPECT_EQ(LanguageOf(other), Language::English) << other;
}

TEST(NextRecycleBinCheck, LooksEveryTwoSecondsUnlessLookingWouldTakeMoreThanAFortiethOfTheTime) {
    for (const auto& [lastMs, next] : {std::pair{50u, 2000u}, {51u, 2040u}, {908u, 36320u}, {1500u, 60000u},
                                       {4000000000u, 60000u}})  // no overflow
        EXPECT_EQ(NextRecycleBinCheckMs(lastMs), next) << lastMs;
}

}  // namespace
