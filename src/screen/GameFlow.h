#pragma once

namespace Vexmor::screen {

// What the title screen and the game ask of the loop that runs them.
class GameFlow {
public:
    virtual ~GameFlow() = default;

    // Plays the level list from `level` (counted from 0) on.
    virtual void playFrom(int level) = 0;
    virtual void showTitle() = 0;
    // Ends the run as closing the window does.
    virtual void quitGame() = 0;
    // Whether there is a title screen to go back to (not when one level file is played).
    virtual bool hasTitle() const = 0;
};

} // namespace Vexmor::screen
