#include "app/FrameStatistics.h"

#include <gtest/gtest.h>

using Vexmor::app::FrameStatistics;

TEST(FrameStatistics, ASlowFirstFrameRefreshesWithZeros) {
    FrameStatistics statistics;
    ASSERT_TRUE(statistics.addFrame(2.5));
    EXPECT_EQ(statistics.getDisplayedFps(), 0);
    EXPECT_EQ(statistics.getDisplayedMillis(), 0);

    // The slow frame started the new means: the next refresh shows it with what follows.
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(statistics.addFrame(0.25));
    }
    ASSERT_TRUE(statistics.addFrame(0.5));
    EXPECT_EQ(statistics.getDisplayedFps(), 3);      // (0.4 + 4 + 4 + 4) / 4 = 3.1
    EXPECT_EQ(statistics.getDisplayedMillis(), 812); // (2.5 + 0.75) / 4 = 0.8125 s
}

TEST(FrameStatistics, ShowsTheMeansOfTheFramesBeforeTheRefresh) {
    FrameStatistics statistics;
    // The title refreshes once more than a second has passed.
    const double deltas[] = {0.125, 0.375, 0.125, 0.375, 0.125};
    int refreshes = 0;
    for (double delta : deltas) {
        refreshes += statistics.addFrame(delta) ? 1 : 0;
    }
    EXPECT_EQ(refreshes, 1); // at 1.125 s, by the fifth frame
    // Means of the first four frames: rate (8 + 2.67 + 8 + 2.67) / 4, time 1.0 / 4.
    EXPECT_EQ(statistics.getDisplayedFps(), 5);
    EXPECT_EQ(statistics.getDisplayedMillis(), 250);
}

TEST(FrameStatistics, ExactlyOneSecondDoesNotRefresh) {
    FrameStatistics statistics;
    EXPECT_FALSE(statistics.addFrame(0.5));
    EXPECT_FALSE(statistics.addFrame(0.5));
    EXPECT_TRUE(statistics.addFrame(0.001));
    EXPECT_EQ(statistics.getDisplayedFps(), 2);
    EXPECT_EQ(statistics.getDisplayedMillis(), 500);
}

TEST(FrameStatistics, ZeroDeltasStayOutOfTheFrameRate) {
    FrameStatistics statistics;
    EXPECT_FALSE(statistics.addFrame(0.0));
    EXPECT_FALSE(statistics.addFrame(0.5));
    EXPECT_FALSE(statistics.addFrame(0.0));
    EXPECT_FALSE(statistics.addFrame(0.5));
    ASSERT_TRUE(statistics.addFrame(0.25));
    // Rate only from the two real frames; time over all four frames.
    EXPECT_EQ(statistics.getDisplayedFps(), 2);
    EXPECT_EQ(statistics.getDisplayedMillis(), 250);
}
