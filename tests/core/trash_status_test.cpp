#include "recycle_menu/trash_status.h"

#include <gtest/gtest.h>

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
