#include "engine/GameObject.h"
#include "engine/Model.h"
#include "physics/CollisionShapeLibrary.h"

#include <BulletCollision/CollisionShapes/btSphereShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <LinearMath/btDefaultMotionState.h>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

using Vexmor::engine::GameObject;
using Vexmor::engine::Model;
using Vexmor::engine::RenderContext;

namespace {

class Thing : public GameObject {
public:
    using GameObject::GameObject;
    void onUpdate(double /*seconds*/) override {}
};

// Geometry is not needed to test placement and reach.
class ShapeOnlyModel : public Model {
public:
    explicit ShapeOnlyModel(float radius) : Model(nullptr, radius) {}
    void drawElements(RenderContext& /*context*/) override {}
};

glm::mat4 translation(float x, float y, float z) {
    return glm::translate(glm::mat4(1.0f), glm::vec3(x, y, z));
}

btVector3 boundingOrigin(const GameObject& object) {
    btTransform placed;
    object.getBoundingBody()->getMotionState()->getWorldTransform(placed);
    return placed.getOrigin();
}

class GameObjects : public ::testing::Test {
protected:
    void TearDown() override { Vexmor::physics::CollisionShapeLibrary::destroyInstance(); }
};

} // namespace

TEST_F(GameObjects, AChildIsPlacedRelativeToItsParent) {
    Thing parent(translation(1.0f, 0.0f, 0.0f));
    Thing child(translation(0.0f, 2.0f, 0.0f));
    child.setParent(&parent);
    EXPECT_EQ(child.getWorldPosition(), glm::vec3(1.0f, 2.0f, 0.0f));
    ASSERT_EQ(parent.getChildren().size(), 1u);

    parent.setTransform(translation(5.0f, 0.0f, 0.0f));
    child.update(0.016);
    EXPECT_EQ(child.getWorldPosition(), glm::vec3(5.0f, 2.0f, 0.0f));

    Thing other;
    child.setParent(&other);
    EXPECT_TRUE(parent.getChildren().empty());
    EXPECT_EQ(other.getChildren().front(), &child);
    EXPECT_EQ(child.getWorldPosition(), glm::vec3(0.0f, 2.0f, 0.0f));
}

TEST_F(GameObjects, ReachIncludesTheBorderAndShrinksToAPointWithoutAModel) {
    ShapeOnlyModel model(1.5f);
    Thing door(translation(2.0f, 0.0f, 0.0f));
    door.attachModel(&model);
    EXPECT_FLOAT_EQ(door.getRadius(), 1.5f);
    EXPECT_TRUE(door.containsPoint({3.5f, 0.0f, 0.0f}));
    EXPECT_FALSE(door.containsPoint({3.51f, 0.0f, 0.0f}));
    ASSERT_NE(door.getBoundingBody(), nullptr);
    EXPECT_EQ(boundingOrigin(door), btVector3(2.0f, 0.0f, 0.0f));

    door.releaseModel();
    EXPECT_EQ(door.getBoundingBody(), nullptr);
    EXPECT_TRUE(door.containsPoint({2.0f, 0.0f, 0.0f}));
    EXPECT_FALSE(door.containsPoint({2.01f, 0.0f, 0.0f}));

    ShapeOnlyModel inverted(-2.0f);
    door.attachModel(&inverted);
    EXPECT_EQ(door.getRadius(), 0.0f);
}

TEST_F(GameObjects, ModelsOfOneRadiusShareTheirBoundingSphere) {
    ShapeOnlyModel first(0.7f);
    ShapeOnlyModel second(0.7f);
    EXPECT_EQ(first.boundingShape, second.boundingShape);
}

TEST_F(GameObjects, APhysicsBodyDrivesTheWorldMatrixAndTheBoundingBodyFollows) {
    ShapeOnlyModel model(0.5f);
    Thing ball;
    ball.attachModel(&model);

    btDefaultMotionState motion(btTransform(btQuaternion::getIdentity(), btVector3(4, 5, 6)));
    btRigidBody body(1.0f, &motion, model.boundingShape);
    ball.setPhysicsBody(&body);
    EXPECT_EQ(ball.getWorldPosition(), glm::vec3(4.0f, 5.0f, 6.0f));
    EXPECT_EQ(boundingOrigin(ball), btVector3(0.0f, 0.0f, 0.0f));

    motion.setWorldTransform(btTransform(btQuaternion::getIdentity(), btVector3(7, 8, 9)));
    ball.update(0.016);
    EXPECT_EQ(ball.getWorldPosition(), glm::vec3(7.0f, 8.0f, 9.0f));
    EXPECT_EQ(boundingOrigin(ball), btVector3(7.0f, 8.0f, 9.0f));
    ball.releaseModel();
}
