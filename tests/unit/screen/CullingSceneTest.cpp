#include "screen/CullingScene.h"
#include "engine/GameObject.h"
#include "engine/RenderContext.h"
#include "screen/CellVisibility.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

using Vexmor::engine::GameObject;
using Vexmor::engine::RenderContext;
using Vexmor::screen::CullingScene;

namespace {

class Ball : public GameObject {
public:
    Ball(const glm::vec3& at, float size) : GameObject(glm::translate(glm::mat4(1.0f), at)) {
        cullingRadius = size;
    }
    void onUpdate(double /*seconds*/) override {}
    void render(RenderContext& /*context*/) override { ++renders; }
    int renders = 0;
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

TEST(CullingScene, WithTheCellsLeavesOutWhatRockHidesInsideTheView) {
    // Two corridors side by side along z, two cells apart, rock between them; the camera
    // stands at the south end of the left one and looks north.
    std::vector<glm::ivec3> open;
    for (int z = 0; z < 8; ++z) {
        open.emplace_back(0, 0, z);
        open.emplace_back(2, 0, z);
    }
    Vexmor::screen::CellVisibility cells(3, 1, 8, open);
    const glm::mat4 camera = glm::translate(glm::mat4(1.0f), glm::vec3(1.25f, 1.25f, 18.75f));
    cells.lookFrom(camera);

    Ball ahead({1.25f, 1.25f, 6.25f}, 0.5f);
    Ball besideBehindRock({6.25f, 1.25f, 6.25f}, 0.5f);
    CullingScene scene;
    scene.add(&ahead);
    scene.add(&besideBehindRock);
    RenderContext context;
    context.set("cameraTransform", &camera);
    scene.draw(context, &cells);
    EXPECT_EQ(ahead.renders, 1);
    EXPECT_EQ(besideBehindRock.renders, 0);
    scene.draw(context);
    EXPECT_EQ(besideBehindRock.renders, 1) << "in the view, so drawn without the cells";
}
