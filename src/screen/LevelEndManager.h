#pragma once

namespace Vexmor::screen {

class LevelChanger;

// What a level hands to the objects that can end it: whom to ask for the next level,
// and whether the level is already ending (no era switch may start then).
class LevelEndManager {
public:
    explicit LevelEndManager(LevelChanger* levelChanger = nullptr);
    virtual ~LevelEndManager() = default;

    LevelChanger* levelChanger;
    bool levelEnding = false;
};

} // namespace Vexmor::screen
