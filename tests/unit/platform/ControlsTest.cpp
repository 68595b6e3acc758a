#include "platform/Controls.h"
#include "platform/ScriptedInput.h"

#include <glm/geometric.hpp>
#include <gtest/gtest.h>

using namespace Vexmor::platform;

TEST(PlayActions, KeysStepWholeOverTheStickWhichMovesBeyondItsDeadZoneFromZero) {
    ScriptedInput input;
    input.connectPad(true);
    input.setAxis(pad::LeftY, 0.6f); // pulled back half way between the dead zone and full
    for (const int key : {'A', 'D', 'W', 'S'}) {
        input.press(key);
    }
    EXPECT_EQ(playActions(input).move, glm::vec2(-1.0f, -1.0f)) << "A and S win";
    input.releaseAll();
    input.setAxis(pad::LeftY, 0.6f);
    EXPECT_FLOAT_EQ(playActions(input).move.y, -0.5f);
    input.setAxis(pad::LeftY, 0.19f);
    EXPECT_EQ(playActions(input).move, glm::vec2(0.0f, 0.0f));
    // A square gate's corner is no faster than straight ahead.
    input.setAxis(pad::LeftX, 1.0f);
    input.setAxis(pad::LeftY, 1.0f);
    EXPECT_FLOAT_EQ(glm::length(playActions(input).move), 1.0f);
}

TEST(PlayActions, APadPluggedInDuringPlayGivesTheCommandsFromItsFirstFrame) {
    ScriptedInput input;
    for (const int button : {pad::A, pad::X, pad::Y, pad::Start}) {
        input.pressPad(button);
    }
    input.setAxis(pad::LeftTrigger, 0.1f);
    for (int frame = 0; frame < 3; ++frame) {
        const PlayActions actions = playActions(input);
        EXPECT_FALSE(actions.jump || actions.use || actions.switchEra || actions.pause ||
                     actions.run);
    }
    input.connectPad(true);
    PlayActions actions = playActions(input);
    EXPECT_TRUE(actions.jump && actions.use && actions.switchEra && actions.pause && actions.run);
    input.setAxis(pad::LeftTrigger, -0.1f); // not yet half pulled
    EXPECT_FALSE(playActions(input).run);
    input.pressPad(pad::LeftThumb);
    EXPECT_TRUE(playActions(input).run);
}

TEST(LookDegrees, TheMouseTurnsByItsFractionalMoveAtTheSensitivity) {
    ScriptedInput input;
    ControlSettings settings;
    settings.degreesPerPixel = 0.25f;
    input.setCursorPosition(cursorHome + glm::dvec2(-3.0, 0.5));
    const glm::vec2 turn = lookDegrees(input, 1.0 / 60.0, settings);
    EXPECT_FLOAT_EQ(turn.x, 0.75f) << "three pixels left turn left";
    EXPECT_FLOAT_EQ(turn.y, -0.125f) << "half a pixel down looks down";
    EXPECT_EQ(input.getCursorPosition(), cursorHome);
    settings.invertY = true;
    input.moveCursor({0.0, 0.5});
    EXPECT_FLOAT_EQ(lookDegrees(input, 1.0 / 60.0, settings).y, 0.125f);
}

TEST(LookDegrees, TheRightStickTurnsAtARateForTheFrameTime) {
    ScriptedInput input;
    input.connectPad(true);
    input.setCursorPosition(cursorHome);
    input.setAxis(pad::RightX, 1.0f);
    ControlSettings settings;
    EXPECT_FLOAT_EQ(lookDegrees(input, 1.0 / 60.0, settings).x, -3.0f) << "180 a second, right";
    EXPECT_FLOAT_EQ(lookDegrees(input, 1.0 / 30.0, settings).x, -6.0f);
    EXPECT_FLOAT_EQ(lookDegrees(input, 5.0, settings).x, -18.0f) << "a load counts as 0.1 s";
    settings.degreesPerPixel = 0.25f;
    EXPECT_FLOAT_EQ(lookDegrees(input, 1.0 / 30.0, settings).x, -3.0f);

    input.setAxis(pad::RightX, 0.0f);
    input.setAxis(pad::RightY, -0.6f); // up, half way beyond the dead zone
    EXPECT_FLOAT_EQ(lookDegrees(input, 0.1, settings).y, 4.5f);
    settings.invertY = true;
    EXPECT_FLOAT_EQ(lookDegrees(input, 0.1, settings).y, -4.5f);
}
