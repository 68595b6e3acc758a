#pragma once

namespace Vexmor::screen {
class LevelEndManager;
}

namespace Vexmor::gameobject {

// An object whose use finishes the level; it keeps the manager but does not own it.
class LevelEnder {
public:
    virtual ~LevelEnder() = default;

    virtual void setLevelEndManager(screen::LevelEndManager* manager) = 0;
};

} // namespace Vexmor::gameobject
