#include "platform/MenuInput.h"
#include "platform/Keys.h"
#include "platform/ScriptedInput.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Vexmor::platform;

namespace {

// The frames, out of `count` of `seconds` each, in which down fired.
std::vector<int> downFirings(MenuInput& menu, const ScriptedInput& input, int count,
                             double seconds) {
    std::vector<int> fired;
    for (int frame = 0; frame < count; ++frame) {
        if (menu.read(input, seconds).down) {
            fired.push_back(frame);
        }
    }
    return fired;
}

} // namespace

TEST(MenuInput, AHeldDirectionRepeatsAfterAPauseThenSteadily) {
    ScriptedInput input;
    MenuInput menu;
    input.press(key::Down);
    // Frames of 1/64 s: the press, then the first frame 0.4 s on, then every 0.12 s.
    EXPECT_EQ(downFirings(menu, input, 50, 1.0 / 64.0), (std::vector<int>{0, 26, 34, 41, 49}));
    input.release(key::Down);
    EXPECT_FALSE(menu.read(input, 0.01).down);
    input.press('S');
    EXPECT_TRUE(menu.read(input, 0.01).down) << "a new press fires at once";
    EXPECT_FALSE(menu.read(input, 0.39).down);
    // One long frame fires once; the repeats it covered are not made up.
    EXPECT_TRUE(menu.read(input, 1.0).down);
    EXPECT_FALSE(menu.read(input, 0.01).down);
    EXPECT_TRUE(menu.read(input, 0.12).down);
}

TEST(MenuInput, TheDpadAndTheLeftStickPastItsThresholdSteer) {
    ScriptedInput input;
    MenuInput menu;
    input.connectPad(true);
    input.setAxis(pad::LeftY, -0.4f);
    input.setAxis(pad::LeftX, 0.6f);
    input.pressPad(pad::DpadDown);
    const MenuCommands fired = menu.read(input, 0.01);
    EXPECT_TRUE(fired.right && fired.down);
    EXPECT_FALSE(fired.up || fired.left || fired.accept || fired.back);
}

TEST(MenuInput, AcceptAndBackFireOnAFreshPressOnlyAndNotForWhatOpenedTheMenu) {
    ScriptedInput input;
    MenuInput menu;
    input.connectPad(true);
    input.press(key::KeypadEnter);
    input.pressPad(pad::Start);
    MenuCommands fired = menu.read(input, 0.01);
    EXPECT_TRUE(fired.accept && fired.back);
    fired = menu.read(input, 1.0);
    EXPECT_FALSE(fired.accept || fired.back) << "no repeat";

    // The Escape that opened the menu, and a direction held from play, do not act in it.
    input.releaseAll();
    input.press(key::Escape);
    input.press('W');
    menu.sample(input);
    fired = menu.read(input, 2.0);
    EXPECT_FALSE(fired.back || fired.up);
    input.releaseAll();
    menu.read(input, 0.01);
    input.press(key::Escape);
    input.press(key::Up);
    fired = menu.read(input, 0.01);
    EXPECT_TRUE(fired.back && fired.up);
}
