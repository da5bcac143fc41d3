#include "recycle_bin/look_spacing.h"

#include <gtest/gtest.h>

using namespace rublet;

TEST(NextRecycleBinCheck, LooksEveryTwoSecondsUnlessLookingWouldTakeMoreThanAFortiethOfTheTime) {
    for (const auto& [lastMs, next] : {std::pair{50u, 2000u}, {51u, 2040u}, {908u, 36320u}, {1500u, 60000u},
                                       {4000000000u, 60000u}})  // no overflow
        EXPECT_EQ(NextRecycleBinCheckMs(lastMs), next) << lastMs;
}
