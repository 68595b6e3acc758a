#include "app/ShellKeys.h"
#include "platform/Keys.h"
#include "platform/ScriptedInput.h"

#include <gtest/gtest.h>

namespace key = Vexmor::platform::key;
using Vexmor::app::ShellKeys;
using Vexmor::platform::ScriptedInput;

namespace {

// One pass of the loop's key handling: what acts, then the new sample.
int frame(ShellKeys& keys, const ScriptedInput& input) {
    const int acted = keys.firstReleased(input);
    keys.sample(input);
    return acted;
}

} // namespace

TEST(ShellKeys, OfKeysReleasedInOneFrameOnlyTheFirstInOrderActs) {
    ScriptedInput input;
    ShellKeys keys;
    input.press(key::F12);
    input.press(key::F3);
    input.press(key::F2);
    keys.sample(input);

    EXPECT_EQ(frame(keys, input), 0) << "held";
    input.releaseAll();
    EXPECT_EQ(frame(keys, input), key::F2);
    // The other releases are lost, not carried into the next frame.
    EXPECT_EQ(frame(keys, input), 0);
}

TEST(ShellKeys, OtherKeysAreIgnored) {
    ScriptedInput input;
    ShellKeys keys;
    input.press(key::Escape);
    input.press('W');
    keys.sample(input);
    input.releaseAll();
    EXPECT_EQ(frame(keys, input), 0);
}
