#include "LevelObjectGl.h"
#include "common/CoutCapture.h"

#include "engine/Degrees.h"
#include "gameobject/Door.h"
#include "gameobject/DoorFrame.h"
#include "physics/BodyTag.h"

#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <LinearMath/btDefaultMotionState.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

using Vexmor::engine::radians;
using Vexmor::gameobject::Door;
using Vexmor::gameobject::DoorFrame;

namespace {

using DoorGl = LevelObjectGl;

glm::mat4 translation(const glm::vec3& offset) {
    return glm::translate(glm::mat4(1.0f), offset);
}

glm::mat4 turn(float degrees, const glm::vec3& axis) {
    return glm::rotate(glm::mat4(1.0f), radians(degrees), axis);
}

// A door turned a quarter about y in the cell (1, 0, 2).
const glm::mat4 placed = translation({3.75f, 1.25f, 6.25f}) * turn(90.0f, {0.0f, 1.0f, 0.0f});

glm::mat4 leafAt(float angle) {
    const glm::vec3 edge(-0.62f, 0.0f, 1.25f);
    return placed * translation(edge) * turn(angle, {0.0f, 1.0f, 0.0f}) * translation(-edge);
}

// Where the world places the box in its next step.
glm::mat4 bodyTransform(const btRigidBody& body) {
    glm::mat4 matrix(1.0f);
    btTransform next;
    body.getMotionState()->getWorldTransform(next);
    next.getOpenGLMatrix(glm::value_ptr(matrix));
    return matrix;
}

glm::vec3 boundingOrigin(const Door& door) {
    btTransform placedBody;
    door.getBoundingBody()->getMotionState()->getWorldTransform(placedBody);
    const btVector3& origin = placedBody.getOrigin();
    return {origin.x(), origin.y(), origin.z()};
}

// The leaf is drawn at the angle and its box follows it, centred in the leaf.
void expectLeafAt(Door& door, float angle) {
    EXPECT_FLOAT_EQ(door.getAngle(), angle);
    EXPECT_TRUE(matricesNear(door.getTransform(), leafAt(angle)));
    EXPECT_TRUE(matricesNear(bodyTransform(*door.getCollisionBody()),
                             leafAt(angle) * translation({0.0f, 0.0f, 1.25f})));
}

// Frames of a tenth of a second, the longest a swing moves on in one frame.
void tenths(Door& door, int count) {
    for (int frame = 0; frame < count; ++frame) {
        door.update(0.1);
    }
}

} // namespace

TEST_F(DoorGl, ANormalDoorSwingsAtFortyFiveDegreesASecondAndItsBoxFollows) {
    Door door(placed, 1, Door::Normal);
    ASSERT_NE(door.getCollisionBody(), nullptr);
    EXPECT_TRUE(matricesNear(bodyTransform(*door.getCollisionBody()),
                             placed * translation({0.0f, 0.0f, 1.25f})));
    EXPECT_EQ(door.getTexture(), "img\\door_texture.png");
    EXPECT_EQ(door.getModel(), modelNamed("models\\door.obj"));

    door.update(0.5);
    expectLeafAt(door, 0.0f);
    {
        CoutCapture console;
        door.interact();
        EXPECT_EQ(console.text(), "Player interacted with door!\n");
    }
    EXPECT_TRUE(door.isOpen());
    tenths(door, 10);
    expectLeafAt(door, 45.0f);
    tenths(door, 20);
    EXPECT_EQ(door.getAngle(), 90.0f);
    expectLeafAt(door, 90.0f);

    // Toggled half-way, the door turns back from where it is; a hitch (a screenshot, a
    // window drag) swings it by a tenth of a second's worth, and it stops at the end.
    door.interact();
    tenths(door, 10);
    expectLeafAt(door, 45.0f);
    door.interact();
    door.update(0.05);
    door.update(2.0);
    EXPECT_FLOAT_EQ(door.getAngle(), 51.75f);
    tenths(door, 9);
    EXPECT_EQ(door.getAngle(), 90.0f);
    door.interact();
    door.update(5.0);
    EXPECT_FLOAT_EQ(door.getAngle(), 85.5f);
    tenths(door, 19);
    expectLeafAt(door, 0.0f);

    // The level takes the box over; the door still moves it.
    const btRigidBody* body = door.getCollisionBody();
    const auto taken = door.takeCollisionBody();
    EXPECT_EQ(taken->get(), body);
    EXPECT_EQ(door.takeCollisionBody(), nullptr);
    door.interact();
    tenths(door, 10);
    expectLeafAt(door, 45.0f);
}

TEST_F(DoorGl, ALockedDoorTogglesButStaysShut) {
    Door door(placed, 0, Door::Locked);
    CoutCapture console;
    door.interact();
    EXPECT_TRUE(door.isOpen());
    door.update(1.0);
    door.interact();
    EXPECT_FALSE(door.isOpen());
    door.interact();
    tenths(door, 5);
    EXPECT_EQ(console.text(), "Player interacted with door!\n"
                              "Player interacted with door!\n"
                              "Player interacted with door!\n");
    EXPECT_EQ(door.getAngle(), 0.0f);
    EXPECT_EQ(door.getTransform(), placed);
    EXPECT_TRUE(matricesNear(bodyTransform(*door.getCollisionBody()),
                             placed * translation({0.0f, 0.0f, 1.25f})));
}

TEST_F(DoorGl, AFallenDoorLiesWithoutABoxAndCannotBeUsed) {
    Door door(placed, 1, Door::Fallen);
    const glm::mat4 lying = placed * translation({-0.2f, -2.4f, -0.3f}) *
                            turn(23.0f, {0.0f, 1.0f, 0.0f}) * turn(-90.0f, {1.0f, 0.0f, 0.0f});
    EXPECT_EQ(door.getCollisionBody(), nullptr);
    EXPECT_EQ(door.takeCollisionBody(), nullptr);
    EXPECT_TRUE(matricesNear(door.getTransform(), lying));
    ASSERT_NE(door.getBoundingBody(), nullptr);
    EXPECT_EQ(boundingOrigin(door), glm::vec3(lying[3]));

    // Its reach would lie under the floor where the player looks down at it; nothing
    // is offered there, nor where it stood.
    EXPECT_FALSE(door.isInRange(glm::vec3(lying[3])));
    EXPECT_FALSE(door.isInRange(glm::vec3(placed[3])));
    CoutCapture console;
    door.interact();
    door.update(2.0);
    EXPECT_EQ(console.text(), "");
    EXPECT_FALSE(door.isOpen());
    EXPECT_TRUE(matricesNear(door.getTransform(), lying));

    Door standing(placed, 1, Door::Locked);
    EXPECT_TRUE(standing.isInRange(glm::vec3(placed[3]))) << "a locked door still answers";
}

TEST_F(DoorGl, FramesAreCleanInTheBrightErasAndDirtyOtherwise) {
    const char* const expected[] = {"img\\Wall.png", "img\\WallDirty.png", "img\\Wall.png",
                                    "img\\WallDirty.png"};
    for (int era = 0; era < 4; ++era) {
        const DoorFrame frame(placed, era);
        EXPECT_EQ(frame.getTexture(), expected[era]) << "era " << era;
        EXPECT_EQ(frame.getModel(), modelNamed("models\\door_frame.obj"));
        EXPECT_EQ(frame.getTransform(), placed);
    }
}

// Every door, fallen too, knows the opening of the frame it hangs in: the middle of the
// frame at the cell's edge and the way through, turned with the block. Only a leaf that
// swings open leads into the doorway; a locked one is a plain wall.
TEST_F(DoorGl, ADoorKnowsItsDoorwayAndOnlyASwingingLeafLeadsIntoIt) {
    for (int state : {Door::Normal, Door::Locked, Door::Fallen}) {
        Door door(placed, 0, state);
        EXPECT_NEAR(door.getDoorway().middle.x, 4.95f, 1e-5f) << state;
        EXPECT_NEAR(door.getDoorway().middle.y, 6.25f, 1e-5f) << state;
        EXPECT_NEAR(door.getDoorway().through.x, 1.0f, 1e-5f) << state;
        EXPECT_NEAR(door.getDoorway().through.y, 0.0f, 1e-5f) << state;
        if (door.getCollisionBody() != nullptr) {
            const auto* tag = static_cast<const Vexmor::physics::BodyTag*>(
                door.getCollisionBody()->getUserPointer());
            EXPECT_EQ(tag != nullptr && tag->owner == &door.getDoorway(), state == Door::Normal);
        }
    }
}
