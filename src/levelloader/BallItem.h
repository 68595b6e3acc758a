#pragma once

#include "levelloader/Handover.h"
#include "levelloader/Item.h"

namespace Vexmor::levelloader {

// A ball that rolls under physics: one per era, each with its own body.
class BallItem : public Item {
public:
    using Item::Item;

    ObjectList darkObjects() override;
    ObjectList brightObjects() override;
    BodyList brightBodies() override;
    BodyList darkBodies() override;

private:
    physics::OwnedRigidBody* body(int era);
    ObjectList ball(int era);
    BodyList bodies(int era);

    Handover<physics::OwnedRigidBody> brightBody;
    Handover<physics::OwnedRigidBody> darkBody;
};

} // namespace Vexmor::levelloader
