#pragma once

#include "levelloader/BlockObject.h"
#include "levelloader/Handover.h"

namespace Vexmor::gameobject {
class TimeMachine;
}

namespace Vexmor::levelloader {

// The level's goal: a time machine standing at the cell's corner in each era, with the
// lit plate before the side it is used from.
class TimeMachineBlock : public BlockObject {
public:
    TimeMachineBlock(std::int32_t x, std::int32_t y, std::int32_t z, int orientation);
    ~TimeMachineBlock() override;

    ObjectList darkObjects() override;
    ObjectList brightObjects() override;
    BodyList brightBodies() override;
    BodyList darkBodies() override;
    InteractableList darkInteractables() override;
    InteractableList brightInteractables() override;
    // Also hands both machines to the level as what ends it, bright before dark.
    void addToLevel(LevelData& level) override;

    const int orientation;

private:
    // The machine's world matrix.
    glm::mat4 placement() const;
    gameobject::TimeMachine* machine(int era);
    ObjectList objects(int era);
    BodyList body() const;

    Handover<gameobject::TimeMachine> brightMachine;
    Handover<gameobject::TimeMachine> darkMachine;
};

} // namespace Vexmor::levelloader
