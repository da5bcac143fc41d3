#include "pictures/run_scan.h"

#include <gtest/gtest.h>

using namespace rublet;
using Runs = std::vector<RunRect>;

TEST(ScanRuns, CompareWholeColoursInTheDibLayoutOrTheAlphaAloneAndFollowTheStride) {
    // Red, 0x000000FF as 0x00BBGGRR, is 0x00FF0000 in the DIB. A 2-wide view into 3-wide rows whose last
    // pixel lies outside; in the view's second column each colour in turn is off by one, all of alpha 0.
    const std::uint32_t pixels[] = {0x00FF0000u, 0x00FF0001u, 0, 0x01FF0000u, 0x00FF0100u, 0, 0xFFFF0000u, 0x00FE0000u, 0};
    Runs runs = {{9, 9, 10, 9}}, alpha;
    ScanPictureRuns(runs, 0x000000FF, {pixels, 2, 3, 3});
    EXPECT_EQ(runs, (Runs{{9, 9, 10, 9}, {1, 0, 2, 0}, {1, 1, 2, 1}, {1, 2, 2, 2}}));
    ScanAlphaRuns(alpha, {pixels, 2, 3, 3});
    EXPECT_EQ(alpha, (Runs{{0, 1, 1, 1}, {0, 2, 1, 2}})) << "alpha 1 is kept";
}
