#pragma once

#include "mesh/Mesh.h"

namespace Vexmor::assetgen {

// Level pieces, in the frame of a 2.5-unit cell centred on the origin, y up.
Mesh wallPanel();
Mesh door();
Mesh doorFrame();
Mesh stairs();
Mesh stairsBlock();
Mesh stairsDestructed();
Mesh stairsBlockDestructed();
Mesh ball();
Mesh guiPlane();
// A kerb along a floor's edge, around the edge's middle; +z looks over the drop.
Mesh floorEdge();

// Time machine parts, around the machine's origin at cell-centre height.
Mesh capsuleRight();
Mesh capsuleLeft();
Mesh lockBig();
Mesh lockSmall();
Mesh rotatorRight();
Mesh rotatorLeft();
Mesh smallRotorRight();
Mesh smallRotorLeft();
Mesh timeChair();
// The lit plate before the machine's use side.
Mesh usePlate();

} // namespace Vexmor::assetgen
