#include "platform/PressTracker.h"

#include <gtest/gtest.h>

using Vexmor::platform::PressTracker;

TEST(PressTracker, ActsOnceAtAPressOrReleaseAndNotForAButtonHeldWhenSampled) {
    PressTracker press;
    EXPECT_TRUE(press.pressed(true));
    EXPECT_FALSE(press.pressed(true)) << "held";
    EXPECT_FALSE(press.pressed(false));
    press.sample(true); // held while the next level loaded
    EXPECT_FALSE(press.pressed(true));
    EXPECT_FALSE(press.pressed(false));
    EXPECT_TRUE(press.pressed(true));

    // A shell key acts on release, also one held while the window opened.
    PressTracker release;
    release.sample(true);
    EXPECT_FALSE(release.released(true));
    EXPECT_TRUE(release.released(false));
    EXPECT_FALSE(release.released(false));
}
