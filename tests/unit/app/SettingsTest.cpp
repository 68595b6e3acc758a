#include "app/Settings.h"

#include <gtest/gtest.h>

using Vexmor::app::Settings;

TEST(Settings, StepsGoToTheNextMultipleAndStayInTheRange) {
    const auto& sensitivity = Settings::mouseSensitivityRange;
    float value = sensitivity.minimum;
    for (int press = 0; press < 45; ++press) {
        value = sensitivity.stepped(value, +1);
    }
    EXPECT_EQ(value, 2.0f);
    EXPECT_FLOAT_EQ(sensitivity.stepped(0.5f, -1), 0.45f);
    // A value written by hand between two steps.
    EXPECT_FLOAT_EQ(sensitivity.stepped(0.53f, +1), 0.55f);
    EXPECT_FLOAT_EQ(sensitivity.stepped(0.53f, -1), 0.5f);
    EXPECT_EQ(Settings::fieldOfViewRange.stepped(35.0f, -1), 35.0f);
    EXPECT_EQ(Settings::volumeRange.stepped(0.1f, -1), 0.0f);
}

TEST(Settings, AutoIsTheRenderScaleBelowTheSmallest) {
    EXPECT_EQ(Settings::steppedRenderScale(std::nullopt, +1), 0.5f);
    EXPECT_EQ(Settings::steppedRenderScale(std::nullopt, -1), std::nullopt);
    EXPECT_EQ(Settings::steppedRenderScale(0.5f, -1), std::nullopt);
    EXPECT_FLOAT_EQ(*Settings::steppedRenderScale(0.75f, -1), 0.7f);
    EXPECT_EQ(Settings::steppedRenderScale(1.0f, +1), 1.0f);
}
