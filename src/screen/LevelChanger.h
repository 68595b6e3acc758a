#pragma once

namespace Vexmor::screen {

// Asked by a finished level for the level after it. Each call advances by one level;
// the change happens in the changer's next update.
class LevelChanger {
public:
    virtual ~LevelChanger() = default;

    virtual void nextLevel() = 0;
};

} // namespace Vexmor::screen
