#include "ShippedDataGl.h"
#include "common/CoutCapture.h"

#include "engine/ObjParser.h"
#include "gameobject/timemachine/CapsuleLeft.h"
#include "gameobject/timemachine/CapsuleRight.h"
#include "gameobject/timemachine/LockBig.h"
#include "gameobject/timemachine/LockSmall.h"
#include "gameobject/timemachine/RotatorLeft.h"
#include "gameobject/timemachine/RotatorRight.h"
#include "gameobject/timemachine/RotatorRotatorLeft.h"
#include "gameobject/timemachine/RotatorRotatorRight.h"
#include "gameobject/timemachine/TimeChair.h"
#include "gameobject/timemachine/TimeMachine.h"
#include "screen/LevelChanger.h"
#include "screen/LevelEndManager.h"

#include <glm/geometric.hpp>
#include <glm/matrix.hpp>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

using namespace Vexmor;
using namespace Vexmor::gameobject::timemachine;

namespace {

class IgnoringChanger : public screen::LevelChanger {
public:
    void nextLevel() override {}
};

// The shipped model's vertices, as the parser reads them.
std::vector<glm::vec3> vertices(const std::string& name) {
    std::ifstream file(std::string(VEXMOR_DATA_DIR) + "/models/" + name + ".obj");
    std::stringstream text;
    text << file.rdbuf();
    engine::ObjMeshData mesh;
    std::string error;
    std::ostringstream warnings;
    EXPECT_TRUE(engine::ObjParser::parse(text.str(), name, warnings, mesh, error)) << error;
    std::vector<glm::vec3> points;
    for (std::size_t i = 0; i + 2 < mesh.positions.size(); i += 3) {
        points.emplace_back(mesh.positions[i], mesh.positions[i + 1], mesh.positions[i + 2]);
    }
    return points;
}

// The model each part of the machine draws.
std::string modelOf(const engine::GameObject& part) {
    if (dynamic_cast<const CapsuleLeft*>(&part))
        return "capsule_left";
    if (dynamic_cast<const CapsuleRight*>(&part))
        return "capsule_right";
    if (dynamic_cast<const RotatorRotatorLeft*>(&part))
        return "rotatorrotator_left";
    if (dynamic_cast<const RotatorRotatorRight*>(&part))
        return "rotatorrotator_right";
    if (dynamic_cast<const RotatorLeft*>(&part))
        return "rotator_left";
    if (dynamic_cast<const RotatorRight*>(&part))
        return "rotator_right";
    if (dynamic_cast<const LockBig*>(&part))
        return "lock_big";
    if (dynamic_cast<const LockSmall*>(&part))
        return "lock_small";
    if (dynamic_cast<const TimeChair*>(&part))
        return "time_chair";
    return "";
}

using CullingSphereGl = ShippedDataGl;

} // namespace

// Through the whole start-up sequence, every vertex any part draws lies within the
// machine's culling sphere, so the machine never pops in or out at the edge of the view.
TEST_F(CullingSphereGl, TheTimeMachineStaysInsideItsSphereThroughItsSequence) {
    CoutCapture quiet;
    gameobject::TimeMachine machine(glm::mat4(1.0f));
    IgnoringChanger changer;
    screen::LevelEndManager manager(&changer);
    machine.setLevelEndManager(&manager);
    std::map<std::string, std::vector<glm::vec3>> models;
    for (const auto& part : machine.getParts()) {
        const std::string name = modelOf(*part);
        ASSERT_FALSE(name.empty());
        models.emplace(name, vertices(name));
    }
    const float sphere = machine.getCullingRadius();
    EXPECT_LT(sphere, 2.0f) << "not needlessly large";
    float farthest = 0.0f;
    machine.interact();
    for (double t = 0.0; t < 9.4; t += 1.0 / 30.0) {
        machine.update(1.0 / 30.0);
        const glm::mat4 toMachine = glm::inverse(machine.getWorldMatrix());
        for (const auto& part : machine.getParts()) {
            const glm::mat4 placed = toMachine * part->getWorldMatrix();
            for (const glm::vec3& vertex : models[modelOf(*part)]) {
                farthest =
                    std::max(farthest, glm::length(glm::vec3(placed * glm::vec4(vertex, 1.0f))));
            }
        }
    }
    EXPECT_LE(farthest, sphere);
    EXPECT_GT(farthest, 1.0f) << "the parts do move out beyond the old sphere of 1";
}
