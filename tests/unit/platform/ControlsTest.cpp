#include "platform/Controls.h"
#include "platform/Keys.h"
#include "platform/ScriptedInput.h"

#include <glm/geometric.hpp>
#include <gtest/gtest.h>

using namespace Vexmor::platform;

namespace {

glm::vec2 look(ScriptedInput& input, double seconds, const ControlSettings& settings = {}) {
    return lookDegrees(input, seconds, settings);
}

} // namespace

TEST(PlayActions, KeysStepWholeFavourLeftAndBackAndWinOverTheStick) {
    ScriptedInput input;
    input.connectPad(true);
    input.setAxis(pad::LeftY, 1.0f);
    input.press('A');
    input.press('D');
    input.press('W');
    input.press('S');
    EXPECT_EQ(playActions(input).move, glm::vec2(-1.0f, -1.0f));
    input.release('A');
    input.release('S');
    EXPECT_EQ(playActions(input).move, glm::vec2(1.0f, 1.0f));
    input.release('D');
    input.release('W');
    EXPECT_EQ(playActions(input).move, glm::vec2(0.0f, -1.0f)) << "the stick, pulled back";
}

TEST(PlayActions, TheLeftStickMovesBeyondItsDeadZoneFromZero) {
    ScriptedInput input;
    input.connectPad(true);
    input.setAxis(pad::LeftX, 0.19f);
    EXPECT_EQ(playActions(input).move, glm::vec2(0.0f, 0.0f));

    input.setAxis(pad::LeftX, 0.0f);
    input.setAxis(pad::LeftY, -0.6f); // half way between the dead zone and full, forward
    const glm::vec2 half = playActions(input).move;
    EXPECT_FLOAT_EQ(half.x, 0.0f);
    EXPECT_FLOAT_EQ(half.y, 0.5f);

    // A square gate's corner is no faster than straight ahead.
    input.setAxis(pad::LeftX, 1.0f);
    input.setAxis(pad::LeftY, 1.0f);
    const glm::vec2 corner = playActions(input).move;
    EXPECT_FLOAT_EQ(glm::length(corner), 1.0f);
    EXPECT_FLOAT_EQ(corner.x, -corner.y);
}

TEST(PlayActions, KeysAndPadButtonsGiveTheSameCommands) {
    ScriptedInput input;
    EXPECT_FALSE(playActions(input).run) << "an absent pad's trigger rests";
    for (const int k : {key::Space, int('E'), int('T'), key::LeftShift, int('L'), key::Escape}) {
        input.press(k);
    }
    PlayActions actions = playActions(input);
    EXPECT_TRUE(actions.jump && actions.use && actions.switchEra && actions.run && actions.lamp &&
                actions.pause);

    input.releaseAll();
    input.connectPad(true);
    for (const int button : {pad::A, pad::X, pad::Y, pad::Start}) {
        input.pressPad(button);
    }
    input.setAxis(pad::LeftTrigger, -0.1f); // not yet half pulled
    actions = playActions(input);
    EXPECT_TRUE(actions.jump && actions.use && actions.switchEra && actions.pause);
    EXPECT_FALSE(actions.run);
    EXPECT_FALSE(actions.lamp);
    input.setAxis(pad::LeftTrigger, 0.1f);
    EXPECT_TRUE(playActions(input).run);
    input.setAxis(pad::LeftTrigger, -1.0f);
    input.pressPad(pad::LeftThumb);
    EXPECT_TRUE(playActions(input).run);
}

TEST(PlayActions, APadPluggedInDuringPlayActsFromItsFirstFrame) {
    ScriptedInput input;
    input.setCursorPosition(cursorHome);
    input.pressPad(pad::A);
    input.setAxis(pad::LeftY, -1.0f);
    input.setAxis(pad::RightX, 1.0f);
    for (int frame = 0; frame < 3; ++frame) {
        const PlayActions actions = playActions(input);
        EXPECT_FALSE(actions.jump);
        EXPECT_EQ(actions.move, glm::vec2(0.0f, 0.0f));
        EXPECT_EQ(look(input, 0.1), glm::vec2(0.0f, 0.0f));
    }
    input.connectPad(true);
    EXPECT_TRUE(playActions(input).jump);
    EXPECT_FLOAT_EQ(playActions(input).move.y, 1.0f);
    EXPECT_FLOAT_EQ(look(input, 0.1).x, -18.0f);
    input.connectPad(false);
    EXPECT_FALSE(playActions(input).jump);
}

TEST(LookDegrees, TheMouseTurnsByItsFractionalMoveAtTheSensitivity) {
    ScriptedInput input;
    ControlSettings settings;
    settings.degreesPerPixel = 0.25f;
    input.setCursorPosition(cursorHome + glm::dvec2(-3.0, 0.5));
    glm::vec2 turn = look(input, 1.0 / 60.0, settings);
    EXPECT_FLOAT_EQ(turn.x, 0.75f) << "three pixels left turn left";
    EXPECT_FLOAT_EQ(turn.y, -0.125f) << "half a pixel down looks down";
    EXPECT_EQ(input.getCursorPosition(), cursorHome);
    EXPECT_EQ(look(input, 1.0 / 60.0, settings), glm::vec2(0.0f, 0.0f));

    settings.invertY = true;
    input.moveCursor({0.0, 0.5});
    EXPECT_FLOAT_EQ(look(input, 1.0 / 60.0, settings).y, 0.125f);
}

TEST(LookDegrees, TheRightStickTurnsAtARateForTheFrameTime) {
    ScriptedInput input;
    input.connectPad(true);
    input.setCursorPosition(cursorHome);
    input.setAxis(pad::RightX, 1.0f);
    EXPECT_FLOAT_EQ(look(input, 1.0 / 60.0).x, -3.0f) << "180 degrees a second, to the right";
    EXPECT_FLOAT_EQ(look(input, 1.0 / 30.0).x, -6.0f);
    EXPECT_FLOAT_EQ(look(input, 5.0).x, -18.0f) << "a level's loading counts as a tenth";
    ControlSettings slow;
    slow.degreesPerPixel = 0.25f;
    EXPECT_FLOAT_EQ(look(input, 1.0 / 30.0, slow).x, -3.0f);

    input.setAxis(pad::RightX, 0.0f);
    input.setAxis(pad::RightY, -0.6f); // up, half way beyond the dead zone
    glm::vec2 turn = look(input, 0.1);
    EXPECT_EQ(turn.x, 0.0f);
    EXPECT_FLOAT_EQ(turn.y, 9.0f);
    ControlSettings inverted;
    inverted.invertY = true;
    EXPECT_FLOAT_EQ(look(input, 0.1, inverted).y, -9.0f);

    input.setAxis(pad::RightX, 0.15f);
    input.setAxis(pad::RightY, 0.1f);
    EXPECT_EQ(look(input, 0.1), glm::vec2(0.0f, 0.0f));
}
