#include "ShippedModelsGl.h"
#include "common/CoutCapture.h"

#include "gameobject/Player.h"
#include "gameobject/Sphere.h"
#include "screen/LevelChanger.h"
#include "screen/LevelManager.h"

#include <glm/geometric.hpp>
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include <cmath>

using namespace Vexmor;

namespace {

class NoNextLevel : public screen::LevelChanger {
public:
    void nextLevel() override {}
};

// A hall five cells wide and six deep with a ball two cells ahead of the player, who
// stands in the middle of its south end looking north.
std::string hallLevel() {
    std::string text = "xDim 7\nyDim 3\nzDim 8\nplayer 3 1 6\nball 3 1 4\n";
    for (int x = 1; x <= 5; ++x) {
        for (int z = 1; z <= 6; ++z) {
            text += "air " + std::to_string(x) + " 1 " + std::to_string(z) + "\n";
        }
    }
    return text;
}

constexpr float floorHeight = 2.5f;

// Mean brightness of the 5 x 5 pixels around where `view` puts the world point.
float brightnessAt(const std::vector<unsigned char>& rgba, const glm::mat4& view,
                   const glm::vec3& point) {
    const glm::vec4 clip = view * glm::vec4(point, 1.0f);
    const int px = static_cast<int>((clip.x / clip.w * 0.5f + 0.5f) * 1024.0f);
    const int py = static_cast<int>((clip.y / clip.w * 0.5f + 0.5f) * 768.0f);
    float sum = 0.0f;
    for (int y = py - 2; y <= py + 2; ++y) {
        for (int x = px - 2; x <= px + 2; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * 1024 + x) * 4;
            sum += rgba[at] + rgba[at + 1] + rgba[at + 2];
        }
    }
    return sum / 75.0f;
}

// How far the segment from `from` to `to` passes from `centre`.
float segmentDistance(const glm::vec3& from, const glm::vec3& to, const glm::vec3& centre) {
    const glm::vec3 along = to - from;
    const float t = glm::clamp(glm::dot(centre - from, along) / glm::dot(along, along), 0.0f, 1.0f);
    return glm::length(from + t * along - centre);
}

} // namespace

using ShadowGl = ShippedModelsGl;

TEST_F(ShadowGl, TheBallsShadowLiesOnTheFloorWhereTheLightCastsIt) {
    data->write("levels/hall.lvl", hallLevel());
    NoNextLevel changer;
    screen::LevelManager level("levels\\hall.lvl", &changer);
    CoutCapture quiet;
    level.init();
    // Let the player and the ball settle, then leave the light behind and step aside, so
    // the camera sees the floor behind the ball that the light does not.
    for (int i = 0; i < 60; ++i) {
        level.update(1.0 / 60.0);
    }
    input.press('L');
    input.press('D');
    for (int i = 0; i < 40; ++i) {
        level.update(1.0 / 60.0);
    }
    input.release('D');
    for (int i = 0; i < 60; ++i) {
        level.update(1.0 / 60.0);
    }

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    level.render();
    const std::vector<unsigned char> frame = windowPixels();

    const screen::LevelScene& scene = level.getScene();
    gameobject::Sphere* ball = nullptr;
    for (const auto& object : scene.getObjects(false)) {
        ball = ball != nullptr ? ball : dynamic_cast<gameobject::Sphere*>(object.get());
    }
    ASSERT_NE(ball, nullptr);
    const glm::vec3 ballCentre(ball->getWorldMatrix()[3]);
    const glm::vec3 light(scene.getLightCamera()[3]);
    const glm::mat4 camera = scene.getPlayer()->getCameraMatrix();
    const glm::vec3 eye(camera[3]);
    ASSERT_GT(eye.x - light.x, 1.0f) << "the player stepped aside from the light";

    // Where the light's ray through a point just above the ball's centre meets the floor.
    const glm::vec3 inBall = ballCentre + glm::vec3(0.0f, 0.2f, 0.0f);
    const float reach = (light.y - floorHeight) / (light.y - inBall.y);
    const glm::vec3 shadow = light + reach * (inBall - light);
    // Beside it, across the light's direction: lit floor at about the same distance.
    const glm::vec3 across =
        glm::normalize(glm::cross(glm::vec3(0.0f, 1.0f, 0.0f), shadow - light));
    const glm::vec3 beside = shadow + 1.8f * across * glm::sign(across.x);
    ASSERT_GT(segmentDistance(eye, shadow, ballCentre), 0.6f) << "the ball hides its shadow";
    ASSERT_GT(segmentDistance(eye, beside, ballCentre), 0.6f);

    const glm::mat4 view = scene.getProjection() * glm::inverse(camera);
    const float shaded = brightnessAt(frame, view, shadow);
    const float lit = brightnessAt(frame, view, beside);
    EXPECT_GT(lit, 20.0f) << "the lamp lights the floor";
    EXPECT_LT(shaded, 0.75f * lit) << "shadow " << shaded << ", beside it " << lit;
    level.close();
}
