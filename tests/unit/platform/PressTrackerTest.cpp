#include "platform/PressTracker.h"

#include <gtest/gtest.h>

using Vexmor::platform::PressTracker;

TEST(PressTracker, APressActsOnceInTheFrameItStartsAndAReleaseInTheFrameItEnds) {
    PressTracker press;
    EXPECT_TRUE(press.pressed(true));
    EXPECT_FALSE(press.pressed(true)) << "held";
    EXPECT_FALSE(press.pressed(false));
    EXPECT_TRUE(press.pressed(true));

    PressTracker release;
    EXPECT_FALSE(release.released(true));
    EXPECT_FALSE(release.released(true));
    EXPECT_TRUE(release.released(false));
    EXPECT_FALSE(release.released(false));
}

TEST(PressTracker, AButtonHeldWhenSampledWaitsForItsRelease) {
    PressTracker press;
    press.sample(true); // held while the level loaded
    EXPECT_FALSE(press.pressed(true));
    EXPECT_FALSE(press.pressed(false));
    EXPECT_TRUE(press.pressed(true));

    // A shell key held while the window opens acts on its first release.
    PressTracker release;
    release.sample(true);
    EXPECT_TRUE(release.released(false));
}
