#include "recycle_menu/trash_status.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/conversions.h"

namespace rublet {
namespace {

struct StatusCase {
    std::int64_t count;
    std::int64_t bytes;
    const wchar_t* line;
};

class TrashStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(TrashStatus, IsBuiltFromTheCountAndTheRoundedMegabytes) {
    EXPECT_EQ(TrashStatusText(GetParam().count, GetParam().bytes), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrashStatus,
    testing::Values(StatusCase{0, 0, L"空っぽ"}, StatusCase{0, 123456, L"空っぽ"},
                    StatusCase{3, 1572864, L"3個のｵﾌﾞｼﾞｪｸﾄ(1.5MB)"},
                    StatusCase{1, 1000, L"1個のｵﾌﾞｼﾞｪｸﾄ(0MB)"},
                    StatusCase{1, 5242, L"1個のｵﾌﾞｼﾞｪｸﾄ(0MB)"},
                    StatusCase{1, 5243, L"1個のｵﾌﾞｼﾞｪｸﾄ(0.01MB)"},
                    StatusCase{2, 1234567, L"2個のｵﾌﾞｼﾞｪｸﾄ(1.18MB)"},
                    StatusCase{2, 10485760, L"2個のｵﾌﾞｼﾞｪｸﾄ(10MB)"},
                    StatusCase{1, 131072, L"1個のｵﾌﾞｼﾞｪｸﾄ(0.13MB)"},
                    StatusCase{4, 3221225472LL, L"4個のｵﾌﾞｼﾞｪｸﾄ(3072MB)"},
                    StatusCase{9, 5368709120LL, L"9個のｵﾌﾞｼﾞｪｸﾄ(5120MB)"},
                    StatusCase{7, 129453816545LL, L"7個のｵﾌﾞｼﾞｪｸﾄ(123456.8MB)"},
                    StatusCase{1234, 1048576, L"1234個のｵﾌﾞｼﾞｪｸﾄ(1MB)"}));

TEST(TrashStatus, RoundsToHundredthsAsAnExactComputationDoesAroundEveryBoundary) {
    // Around each boundary k * 10485.76 bytes + 5242.88 the hundredths come
    // from the single-precision megabytes by exact double arithmetic:
    // a float times 100 plus a half is exact in a double.
    for (std::int64_t k = 0; k < 3000; k += 7) {
        const auto boundary = static_cast<std::int64_t>(std::llround(static_cast<double>(k) * 10485.76 + 5242.88));
        for (std::int64_t bytes = boundary - 2; bytes <= boundary + 2; ++bytes) {
            const float megabytes = static_cast<float>(bytes) / 1024.0f / 1024.0f;
            const auto hundredths = static_cast<long long>(std::floor(static_cast<double>(megabytes) * 100.0 + 0.5));
            const std::wstring fixed = FormatFixed2(megabytes);
            ASSERT_EQ(fixed, std::to_wstring(hundredths / 100) + L"." + (hundredths % 100 < 10 ? L"0" : L"") +
                                 std::to_wstring(hundredths % 100))
                << bytes;
            const std::wstring line = TrashStatusText(1, bytes);
            ASSERT_EQ(line, L"1個のｵﾌﾞｼﾞｪｸﾄ(" + SingleToText(*TextToSingle(fixed)) + L"MB)") << bytes;
        }
    }
}

TEST(TextToSingle, ReadsDecimalTextToTheNearestSingle) {
    EXPECT_EQ(TextToSingle(L"123456.78"), 123456.78f);
    EXPECT_EQ(TextToSingle(L"0.00"), 0.0f);
    EXPECT_EQ(TextToSingle(L" -1.5 "), -1.5f);
    EXPECT_EQ(TextToSingle(L"1E+07"), 1e7f);
    EXPECT_EQ(TextToSingle(L"abc"), std::nullopt);
    EXPECT_EQ(TextToSingle(L"1e99"), std::nullopt);
}

}  // namespace
}  // namespace rublet
