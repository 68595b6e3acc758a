#pragma once

#include "app/Settings.h"
#include "hud/Menu.h"

#include <functional>

namespace Vexmor::screen {

// The options, shared by the title screen and the pause menu: each change is applied and
// kept at once by whoever owns the settings. Left and right step a value; Enter steps it
// up (or flips an on/off one); Back or Esc leaves.
class OptionsMenu {
public:
    using Apply = std::function<void(const app::Settings&)>;

    OptionsMenu(app::Settings& settings, Apply apply);

    // Shows the values as they are now, the first line selected.
    void open();
    const hud::Menu& menu() const { return lines; }
    // True when the player leaves the options.
    bool follow(const hud::MenuCommands& commands, int pointed);
    // Where the environment decides for this run, the option is kept for later runs and
    // its value says so.
    void setEnvironmentDecides(bool look, bool scale) {
        lookByEnvironment = look;
        scaleByEnvironment = scale;
    }

private:
    void step(int id, int direction);
    void showValues();

    app::Settings& settings;
    Apply apply;
    hud::Menu lines;
    bool lookByEnvironment = false;
    bool scaleByEnvironment = false;
};

} // namespace Vexmor::screen
