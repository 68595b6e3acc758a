#include "ShippedDataGl.h"
#include "common/CoutCapture.h"

#include "engine/RenderContext.h"
#include "engine/framebuffer/DepthbufferManager.h"
#include "gameobject/Stair.h"
#include "gameobject/WallPanel.h"
#include "gameobject/timemachine/TimeMachine.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <algorithm>
#include <vector>

using namespace Vexmor;

namespace {

constexpr int darkEra = 1;
constexpr int brightEra = 0;

// What the level hands the shaders for one main pass, with the lamp placed by the test.
struct View {
    glm::mat4 viewTransform;
    glm::mat4 lightViewTransform;
    glm::vec4 lightPosition;
    glm::vec4 cameraPosition;
    float fogDistance = -1.0f;
    float fogTimer = 0.0f;
    GLuint shadowMap = 0;

    void fill(engine::RenderContext& context) const {
        context.set("viewTransform", glm::value_ptr(viewTransform));
        context.set("lightViewTransform", glm::value_ptr(lightViewTransform));
        context.set("lightPosition", glm::value_ptr(lightPosition));
        context.set("cameraPosition", glm::value_ptr(cameraPosition));
        context.set("fogDistance", &fogDistance);
        context.set("fogTimer", &fogTimer);
        context.set("shadowMap", &shadowMap);
    }
};

glm::mat4 lampProjection() {
    return glm::perspective(glm::radians(45.0f), 1.0f, 0.1f, 30.0f);
}

// The player at `eye` looking along -z with the game's projection; his lamp rides half a
// unit above his eye and looks along `lampLooks`.
View playerView(const glm::vec3& eye, const glm::vec3& lampLooks) {
    const glm::vec3 lamp = eye + glm::vec3(0.0f, 0.5f, 0.0f);
    View view;
    view.viewTransform = glm::perspective(glm::radians(45.0f), 1.3333334f, 0.1f, 30.0f) *
                         glm::lookAt(eye, eye + glm::vec3(0.0f, 0.0f, -1.0f), glm::vec3(0, 1, 0));
    view.lightViewTransform =
        lampProjection() * glm::lookAt(lamp, lamp + lampLooks, glm::vec3(0, 1, 0));
    view.lightPosition = glm::vec4(lamp, 1.0f);
    view.cameraPosition = glm::vec4(eye, 1.0f);
    return view;
}

class WayFindingGl : public ShippedDataGl {
protected:
    void SetUp() override {
        ShippedDataGl::SetUp();
        CoutCapture quiet;
        // An empty shadow map: nothing casts a shadow.
        depth = std::make_unique<engine::framebuffer::DepthbufferManager>();
        depth->generate();
        depth->bind();
        glViewport(0, 0, depth->getWidth(), depth->getHeight());
        glClear(GL_DEPTH_BUFFER_BIT);
        depth->unbind();
        glViewport(0, 0, width, height);
    }

    void TearDown() override {
        depth.reset();
        ShippedDataGl::TearDown();
    }

    // Draws the objects with the view and reads the window back as RGB from the bottom row.
    std::vector<unsigned char> draw(const std::vector<engine::GameObject*>& objects, View view) {
        view.shadowMap = depth->getTexture();
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        engine::RenderContext context;
        view.fill(context);
        for (engine::GameObject* object : objects) {
            object->render(context);
        }
        std::vector<unsigned char> pixels(width * height * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    std::unique_ptr<engine::framebuffer::DepthbufferManager> depth;
};

// Mean of the three channels over a square of 2 * half + 1 pixels around where `view`
// puts the world point.
float brightnessAt(const std::vector<unsigned char>& rgb, const glm::mat4& view,
                   const glm::vec3& point, int half) {
    const glm::vec4 clip = view * glm::vec4(point, 1.0f);
    const int px = static_cast<int>((clip.x / clip.w * 0.5f + 0.5f) * 1024.0f);
    const int py = static_cast<int>((clip.y / clip.w * 0.5f + 0.5f) * 768.0f);
    float sum = 0.0f;
    int count = 0;
    for (int y = py - half; y <= py + half; ++y) {
        for (int x = px - half; x <= px + half; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * 1024 + x) * 3;
            sum += rgb[at] + rgb[at + 1] + rgb[at + 2];
            count += 3;
        }
    }
    return sum / static_cast<float>(count);
}

glm::mat4 at(const glm::vec3& position) {
    return glm::translate(glm::mat4(1.0f), position);
}

// A wall of panels across the view, facing the player, whose faces lie at z = faceZ.
std::vector<std::unique_ptr<gameobject::WallPanel>> wallAcross(float faceZ, int appearance) {
    std::vector<std::unique_ptr<gameobject::WallPanel>> wall;
    for (int column = -3; column <= 3; ++column) {
        for (int row = 0; row < 2; ++row) {
            wall.push_back(std::make_unique<gameobject::WallPanel>(
                at({2.5f * column, 1.25f + 2.5f * row, faceZ - 1.25f}), 0, appearance));
        }
    }
    return wall;
}

// Mean brightness over a patch of the wall two panels wide and high around `centre`, so
// the stone's own patches of grime do not decide it.
float wallBrightness(const std::vector<unsigned char>& rgb, const glm::mat4& view,
                     const glm::vec3& centre) {
    float sum = 0.0f;
    int count = 0;
    for (float dx = -2.0f; dx <= 2.0f; dx += 0.5f) {
        for (float dy = -0.75f; dy <= 1.5f; dy += 0.75f) {
            sum += brightnessAt(rgb, view, centre + glm::vec3(dx, dy, 0.0f), 6);
            ++count;
        }
    }
    return sum / static_cast<float>(count);
}

template <typename Object>
std::vector<engine::GameObject*> pointers(const std::vector<std::unique_ptr<Object>>& objects) {
    std::vector<engine::GameObject*> raw;
    for (const auto& object : objects) {
        raw.push_back(object.get());
    }
    return raw;
}

} // namespace

TEST_F(WayFindingGl, TheTimeMachineGlowsOutOfTheDarkWithoutLightingTheWallsAroundIt) {
    CoutCapture quiet;
    // The machine fifteen units ahead in front of a dark-era wall; the player's lamp looks
    // the other way, so all that reaches them is the ambient and the lamp's faint spill.
    const glm::vec3 eye(0.0f, 1.8f, 0.0f);
    const View view = playerView(eye, {0.0f, 0.0f, 1.0f});
    const glm::vec3 machinePlace(0.0f, 1.6f, -15.0f);
    gameobject::TimeMachine machine(at(machinePlace));
    machine.update(0.0);
    const auto wall = wallAcross(-17.0f, darkEra);
    std::vector<engine::GameObject*> scene = pointers(wall);
    scene.push_back(&machine);

    const auto glowing = draw(scene, view);
    std::vector<float> glows;
    for (const auto& part : machine.getParts()) {
        glows.push_back(part->getEmission());
        part->setEmission(0.0f);
    }
    const auto unlit = draw(scene, view);

    const float machineGlowing = brightnessAt(glowing, view.viewTransform, machinePlace, 8);
    const float machineUnlit = brightnessAt(unlit, view.viewTransform, machinePlace, 8);
    // The wall beside the machine, at its height.
    const glm::vec3 besideMachine(4.0f, machinePlace.y, -17.0f);
    const float wallBeside = brightnessAt(glowing, view.viewTransform, besideMachine, 8);
    EXPECT_GT(machineGlowing, 1.5f * machineUnlit);
    EXPECT_GT(machineGlowing, 1.5f * wallBeside);
    // Faint: it shows where it stands, it is no lamp.
    EXPECT_LT(machineGlowing, 110.0f);
    // Its glow lights nothing around it: the wall is the same with it and without.
    EXPECT_EQ(brightnessAt(unlit, view.viewTransform, besideMachine, 8), wallBeside);
    EXPECT_EQ(std::count(glows.begin(), glows.end(), 0.0f), 0) << "every part glows";
}

TEST_F(WayFindingGl, WallsBeyondTheLampShowDimlyInBothErasAndTheDarkEraStaysDark) {
    CoutCapture quiet;
    const glm::vec3 eye(0.0f, 1.8f, 0.0f);
    const glm::vec3 onWall(0.0f, 1.8f, -20.0f);
    float beyond[2] = {0.0f, 0.0f};
    float lit[2] = {0.0f, 0.0f};
    for (const int era : {darkEra, brightEra}) {
        // Twenty units ahead, with the lamp turned away; then the same wall lit head on by
        // the lamp from five units.
        const auto far = wallAcross(onWall.z, era);
        const View away = playerView(eye, {0.0f, 0.0f, 1.0f});
        beyond[era] = wallBrightness(draw(pointers(far), away), away.viewTransform, onWall);
        const glm::vec3 near(0.0f, 1.8f, onWall.z + 5.0f);
        const View facing = playerView(near, {0.0f, -0.1f, -1.0f});
        lit[era] = wallBrightness(draw(pointers(far), facing), facing.viewTransform, onWall);
    }
    // Neither era's far walls are black.
    EXPECT_GT(beyond[darkEra], 18.0f);
    EXPECT_GT(beyond[brightEra], 45.0f);
    // The dark era stays dark: beyond the lamp a wall keeps under an eighth of full white
    // and under half of what the lamp makes of it from five units.
    EXPECT_LT(beyond[darkEra], 32.0f);
    EXPECT_LT(beyond[darkEra], lit[darkEra] / 2.0f);
}

TEST_F(WayFindingGl, StairTreadsAndRisersDifferUnderTheSameLightInBothEras) {
    CoutCapture quiet;
    // Looking down the flight's 45-degree slope, with the lamp beside the eye: treads and
    // risers show the same area and catch the same light, so only their stone tells them
    // apart.
    const glm::vec3 slope = glm::normalize(glm::vec3(0.0f, 1.0f, 1.0f));
    const glm::vec3 eye = slope * 6.0f;
    View view;
    view.viewTransform = glm::ortho(-2.0f, 2.0f, -1.5f, 1.5f, 0.1f, 20.0f) *
                         glm::lookAt(eye, glm::vec3(0.0f), glm::vec3(0, 1, 0));
    view.lightViewTransform =
        lampProjection() * glm::lookAt(eye, glm::vec3(0.0f), glm::vec3(0, 1, 0));
    view.lightPosition = glm::vec4(eye, 1.0f);
    view.cameraPosition = glm::vec4(eye, 1.0f);
    for (const int era : {darkEra, brightEra}) {
        gameobject::Stair stair(glm::mat4(1.0f), era, 0);
        const auto pixels = draw({&stair}, view);
        // The middle of each tread and of each riser of the middle steps, across the flight.
        float treads = 0.0f;
        float risers = 0.0f;
        int samples = 0;
        for (int step = 3; step <= 6; ++step) {
            const float front = 1.25f - 0.25f * step;
            const float top = -1.25f + 0.25f * (step + 0.5f);
            for (const float x : {-0.8f, -0.3f, 0.2f, 0.7f}) {
                treads += brightnessAt(pixels, view.viewTransform, {x, top, front - 0.125f}, 3);
                risers += brightnessAt(pixels, view.viewTransform, {x, top - 0.125f, front}, 3);
                ++samples;
            }
        }
        treads /= samples;
        risers /= samples;
        EXPECT_GT(treads, 1.4f * risers) << "era " << era;
        EXPECT_GT(risers, 5.0f) << "era " << era << ": the risers are drawn";
    }
}
