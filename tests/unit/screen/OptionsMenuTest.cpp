#include "screen/OptionsMenu.h"

#include <gtest/gtest.h>

using namespace Vexmor;

TEST(OptionsMenu, EachChangeIsAppliedAtOnceWithinItsRangeAndBackLeaves) {
    app::Settings settings;
    int applied = 0;
    screen::OptionsMenu options(settings, [&](const app::Settings& changed) {
        EXPECT_EQ(&changed, &settings);
        ++applied;
    });
    options.open();
    const auto press = [&](auto field) {
        hud::MenuCommands commands;
        commands.*field = true;
        return options.follow(commands, -1);
    };
    using C = hud::MenuCommands;

    EXPECT_FALSE(press(&C::right));
    EXPECT_FLOAT_EQ(settings.mouseSensitivity, 0.55f);
    EXPECT_EQ(options.menu().items()[0].value, "0.55");
    for (int i = 0; i < 60; ++i) {
        press(&C::left);
    }
    EXPECT_FLOAT_EQ(settings.mouseSensitivity, 0.05f) << "never below its range";

    press(&C::down);
    press(&C::accept);
    EXPECT_TRUE(settings.invertY);
    press(&C::down);
    press(&C::right);
    EXPECT_FLOAT_EQ(settings.fieldOfView, 50.0f);
    press(&C::down);
    press(&C::left);
    EXPECT_FLOAT_EQ(settings.musicVolume, 0.9f);
    EXPECT_EQ(options.menu().items()[3].value, "90%");

    // Render scale: left from auto stays auto, right gives the smallest fixed scale.
    for (int i = 0; i < 3; ++i) {
        press(&C::down);
    }
    press(&C::left);
    EXPECT_FALSE(settings.renderScale);
    press(&C::right);
    EXPECT_FLOAT_EQ(settings.renderScale.value_or(0.0f), 0.5f);
    press(&C::down);
    press(&C::right);
    EXPECT_EQ(settings.look, app::Look::Full);
    EXPECT_EQ(options.menu().items()[7].value, "Full");
    options.setEnvironmentDecides(true, false);
    press(&C::right);
    EXPECT_EQ(settings.look, app::Look::Fast) << "kept for a run the environment leaves alone";
    EXPECT_EQ(options.menu().items()[7].value, "Fast (not now)");
    EXPECT_EQ(options.menu().items()[6].value, "0.50");

    const int before = applied;
    press(&C::down);
    press(&C::down);
    EXPECT_TRUE(press(&C::accept)) << "Back leaves";
    EXPECT_EQ(applied, before);
    EXPECT_TRUE(press(&C::back));
}
