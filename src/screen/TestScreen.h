#pragma once

#include "screen/Screen.h"

#include <string>

namespace Vexmor::screen {

// A development screen that runs the fixed level "levels\testLevel.lvl" with an instant
// era switch. The shell creates it beside the game screen but does not run it.
class TestScreen : public Screen {
public:
    TestScreen();

    void init() override;
    void close() override;
    void update(double seconds) override;
    void render() override;

    const std::string& getLevelPath() const { return levelPath; }

private:
    std::string levelPath;
};

} // namespace Vexmor::screen
