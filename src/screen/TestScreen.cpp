#include "screen/TestScreen.h"

namespace Vexmor::screen {

TestScreen::TestScreen() : levelPath("levels\\testLevel.lvl") {}

// The test level needs the level runtime; until it exists the screen shows nothing.
void TestScreen::init() {}

void TestScreen::close() {}

void TestScreen::update(double /*seconds*/) {}

void TestScreen::render() {}

} // namespace Vexmor::screen
