#include "recycle_bin/trash_status.h"

#include <gtest/gtest.h>

using namespace rublet;

TEST(TrashStatus, IsBuiltFromTheCountAndTheMegabytesRoundedToHundredths) {
    // 5242 and 5243 bytes lie either side of 0.005 MB; past 32 bits the
    // bytes must not wrap, and a float keeps 7 digits.
    const struct { std::int64_t count, bytes; const wchar_t* line; } cases[] = {
        {0, 123456, L"空っぽ"}, {1, 5242, L"1個のｵﾌﾞｼﾞｪｸﾄ(0MB)"}, {1, 5243, L"1個のｵﾌﾞｼﾞｪｸﾄ(0.01MB)"},
        {1234, 3221225472LL, L"1234個のｵﾌﾞｼﾞｪｸﾄ(3072MB)"}, {9, 5368709120LL, L"9個のｵﾌﾞｼﾞｪｸﾄ(5120MB)"},
        {7, 129453816545LL, L"7個のｵﾌﾞｼﾞｪｸﾄ(123456.8MB)"}};
    for (const auto& c : cases) EXPECT_EQ(TrashStatusText(c.count, c.bytes), c.line);
}
