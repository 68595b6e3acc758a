#include "screen/CullingScene.h"
#include "engine/GameObject.h"
#include "engine/RenderContext.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <vector>

using Vexmor::engine::GameObject;
using Vexmor::engine::RenderContext;
using Vexmor::screen::CullingScene;

namespace {

class Ball : public GameObject {
public:
    Ball(const glm::vec3& at, float size, std::vector<const Ball*>* drawn = nullptr)
        : GameObject(glm::translate(glm::mat4(1.0f), at)), drawn(drawn) {
        radius = size;
    }
    void onUpdate(double /*seconds*/) override {}
    void render(RenderContext& /*context*/) override {
        ++renders;
        if (drawn != nullptr) {
            drawn->push_back(this);
        }
    }
    int renders = 0;
    std::vector<const Ball*>* drawn;
};

} // namespace

TEST(CullingScene, DrawsWhatReachesIntoTheViewIncludingWhatOnlyTouchesIt) {
    CullingScene scene;
    Ball ahead({0, 0, -5}, 0.5f);
    Ball behind({0, 0, 5}, 0.5f);
    Ball touchingFar({0, 0, -30.5f}, 0.5f);
    Ball beyondFar({0, 0, -30.5f}, 0.49f);
    Ball pointBehindNear({0, 0, -0.09f}, 0.0f);
    Ball bigBehind({0, 0, 2}, 3.0f);
    for (Ball* ball : {&ahead, &behind, &touchingFar, &beyondFar, &pointBehindNear, &bigBehind}) {
        scene.add(ball);
    }
    scene.add(nullptr);
    EXPECT_EQ(scene.size(), 6u);

    const glm::mat4 camera(1.0f);
    RenderContext context;
    context.set("cameraTransform", &camera);
    scene.draw(context);
    EXPECT_EQ(ahead.renders, 1);
    EXPECT_EQ(behind.renders, 0);
    EXPECT_EQ(touchingFar.renders, 1);
    EXPECT_EQ(beyondFar.renders, 0);
    EXPECT_EQ(pointBehindNear.renders, 0);
    EXPECT_EQ(bigBehind.renders, 1);
}

TEST(CullingScene, TheSidesFollowTheCameraAndTheWiderHorizontalView) {
    CullingScene scene;
    // 22.5 degrees up is the top edge; 4:3 makes the side edge about 28.9 degrees.
    const glm::mat4 camera(1.0f);
    const float z = -10.0f;
    const float top = 10.0f * std::tan(22.5f * 0.0174533f);
    EXPECT_TRUE(scene.isVisible(camera, {0, top - 0.01f, z}, 0.0f));
    EXPECT_FALSE(scene.isVisible(camera, {0, top + 0.01f, z}, 0.0f));
    EXPECT_TRUE(scene.isVisible(camera, {top * 1.3f, 0, z}, 0.0f));
    EXPECT_FALSE(scene.isVisible(camera, {top * 1.34f, 0, z}, 0.0f));
    EXPECT_FALSE(scene.isVisible(camera, {-top * 1.34f, 0, z}, 0.0f));

    // Turned to look along +x from (5, 0, 0).
    const glm::mat4 turned = glm::translate(glm::mat4(1.0f), glm::vec3(5, 0, 0)) *
                             glm::rotate(glm::mat4(1.0f), glm::radians(-90.0f), glm::vec3(0, 1, 0));
    EXPECT_TRUE(scene.isVisible(turned, {15, 0, 0}, 0.0f));
    EXPECT_FALSE(scene.isVisible(turned, {-5, 0, 0}, 0.0f));
    EXPECT_FALSE(scene.isVisible(turned, {5, 0, -10}, 0.0f));
}

TEST(CullingScene, DrawsTheNearestSurfacesFirstWhereverTheCameraStands) {
    std::vector<const Ball*> drawn;
    Ball far({0, 0, -20}, 0.5f, &drawn);
    Ball near({1, 0, -3}, 0.5f, &drawn);
    // Its centre lies beyond the middle ball, but its surface is nearer.
    Ball large({0, 0, -12}, 6.0f, &drawn);
    Ball middle({0, 1, -8}, 0.5f, &drawn);
    CullingScene scene;
    for (Ball* ball : {&far, &near, &large, &middle}) {
        scene.add(ball);
    }

    glm::mat4 camera(1.0f);
    RenderContext context;
    context.set("cameraTransform", &camera);
    scene.draw(context);
    EXPECT_EQ(drawn, (std::vector<const Ball*>{&near, &large, &middle, &far}));

    // From the far side, looking back, the order turns round.
    camera = glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, -25)) *
             glm::rotate(glm::mat4(1.0f), glm::radians(180.0f), glm::vec3(0, 1, 0));
    drawn.clear();
    scene.draw(context);
    EXPECT_EQ(drawn, (std::vector<const Ball*>{&far, &large, &middle, &near}));
}
