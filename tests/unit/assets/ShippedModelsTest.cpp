#include "engine/ObjParser.h"

#include <glm/geometric.hpp>
#include <glm/vec3.hpp>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using Vexmor::engine::ObjMeshData;
using Vexmor::engine::ObjParser;

const fs::path models = fs::path(VEXMOR_DATA_DIR) / "models";

ObjMeshData parseModel(const std::string& file) {
    std::ifstream in(models / file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::ostringstream warnings;
    ObjMeshData mesh;
    std::string error;
    const std::string name = "models\\" + file;
    EXPECT_TRUE(ObjParser::parse(text.str(), name, warnings, mesh, error)) << error;
    EXPECT_EQ(warnings.str(), "") << name;
    return mesh;
}

glm::vec3 position(const ObjMeshData& mesh, std::uint32_t vertex) {
    return {mesh.positions[3 * vertex], mesh.positions[3 * vertex + 1],
            mesh.positions[3 * vertex + 2]};
}

glm::vec3 normal(const ObjMeshData& mesh, std::uint32_t vertex) {
    return {mesh.normals[3 * vertex], mesh.normals[3 * vertex + 1], mesh.normals[3 * vertex + 2]};
}

struct Box {
    glm::vec3 low;
    glm::vec3 high;
};

Box bounds(const ObjMeshData& mesh) {
    Box box{glm::vec3(std::numeric_limits<float>::max()),
            glm::vec3(std::numeric_limits<float>::lowest())};
    for (std::uint32_t v = 0; v < mesh.vertexCount(); ++v) {
        box.low = glm::min(box.low, position(mesh, v));
        box.high = glm::max(box.high, position(mesh, v));
    }
    return box;
}

struct Expected {
    const char* file;
    Box inside;
    // Radius the culling sphere gets: the model must reach at least this far.
    float minRadius;
};

constexpr float c = 1.25f;

// Where each model must stay: the cell for level pieces (or the slab the game's collision
// body fills), the space around the machine's origin between floor and ceiling for its parts.
const Expected expected[] = {
    {"Plane.obj", {{-c, -c, 1.2f}, {c, c, 1.3f}}, 1.7f},
    {"door.obj", {{-0.6f, -c, 1.1f}, {0.6f, 0.7f, 1.4f}}, 1.3f},
    {"door_frame.obj", {{-c, -c, 1.1f}, {c, c, 1.3f}}, 2.0f},
    {"stairs.obj", {{-c, -c, -c}, {c, c, c}}, 1.7f},
    {"stairs_block.obj", {{-c, -c, -c}, {c, c, c}}, 1.7f},
    {"stairs_destructed.obj", {{-c, -c, -c}, {c, -0.5f, c}}, 1.2f},
    {"stairs_block_destructed.obj", {{-c, -c, -c}, {c, 0.4f, c}}, 1.7f},
    {"sphere.obj", {{-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}}, 0.5f},
    {"gui_plane.obj", {{-0.5f, -0.5f, 0.0f}, {0.5f, 0.5f, 0.0f}}, 0.7f},
    {"capsule_left.obj", {{-0.5f, -1.0f, -1.0f}, {0.0f, 1.0f, 1.0f}}, 0.9f},
    {"capsule_right.obj", {{0.0f, -1.0f, -1.0f}, {0.5f, 1.0f, 1.0f}}, 0.9f},
    {"lock_big.obj", {{-0.3f, 0.0f, -0.05f}, {0.3f, 0.3f, 0.05f}}, 0.2f},
    {"lock_small.obj", {{-0.2f, 0.0f, -0.05f}, {0.2f, 0.2f, 0.05f}}, 0.1f},
    {"rotator_left.obj", {{-0.1f, -0.2f, -0.1f}, {0.1f, 0.9f, 0.1f}}, 0.8f},
    {"rotator_right.obj", {{-0.1f, -0.2f, -0.1f}, {0.1f, 0.9f, 0.1f}}, 0.8f},
    // A small rotor is pushed out 0.26 in all; it must still clear floor and ceiling.
    {"rotatorrotator_left.obj", {{-0.2f, 0.7f, -0.2f}, {0.2f, c - 0.26f, 0.2f}}, 0.8f},
    {"rotatorrotator_right.obj", {{-0.2f, 0.7f, -0.2f}, {0.2f, c - 0.26f, 0.2f}}, 0.8f},
    {"time_chair.obj", {{-0.6f, -c, -0.6f}, {0.6f, 0.9f, 0.6f}}, 1.2f},
    // Around its own origin on the floor; it lies before the machine, clear of the plinth.
    {"use_plate.obj", {{-0.7f, 0.0f, -0.4f}, {0.7f, 0.12f, 0.4f}}, 0.7f},
    // Around the middle of a floor's edge, a cell long, reaching a little over the drop.
    {"floor_edge.obj", {{-c, -0.15f, -0.25f}, {c, 0.1f, 0.05f}}, 1.25f},
};

} // namespace

TEST(ShippedModels, ParseWithoutWarningsAndStayWhereTheGamePutsThem) {
    constexpr float slack = 1e-4f;
    for (const Expected& model : expected) {
        SCOPED_TRACE(model.file);
        const ObjMeshData mesh = parseModel(model.file);
        ASSERT_GT(mesh.indices.size(), 0u);
        const Box box = bounds(mesh);
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_GE(box.low[axis], model.inside.low[axis] - slack) << "axis " << axis;
            EXPECT_LE(box.high[axis], model.inside.high[axis] + slack) << "axis " << axis;
        }
        EXPECT_GE(mesh.boundingRadius, model.minRadius);
        EXPECT_LE(mesh.boundingRadius, 2.2f);
    }
}

TEST(ShippedModels, NormalsAreUnitAndFacesAreWoundOutward) {
    for (const Expected& model : expected) {
        SCOPED_TRACE(model.file);
        const ObjMeshData mesh = parseModel(model.file);
        for (std::uint32_t v = 0; v < mesh.vertexCount(); ++v) {
            ASSERT_NEAR(glm::length(normal(mesh, v)), 1.0f, 1e-3f) << "vertex " << v;
        }
        // Back faces are culled: a face wound against its normals would vanish.
        for (std::size_t i = 0; i < mesh.indices.size(); i += 3) {
            const std::uint32_t a = mesh.indices[i];
            const std::uint32_t b = mesh.indices[i + 1];
            const std::uint32_t d = mesh.indices[i + 2];
            const glm::vec3 face = glm::cross(position(mesh, b) - position(mesh, a),
                                              position(mesh, d) - position(mesh, a));
            ASSERT_GT(glm::length(face), 1e-9f) << "degenerate triangle " << i / 3;
            const glm::vec3 shading = normal(mesh, a) + normal(mesh, b) + normal(mesh, d);
            ASSERT_GT(glm::dot(face, shading), 0.0f) << "triangle " << i / 3;
        }
    }
}

TEST(ShippedModels, GuiPlaneIsTheUnitQuadWithFullTextureCoordinates) {
    const ObjMeshData mesh = parseModel("gui_plane.obj");
    ASSERT_EQ(mesh.vertexCount(), 4u);
    for (std::uint32_t v = 0; v < 4; ++v) {
        const glm::vec3 p = position(mesh, v);
        EXPECT_EQ(std::abs(p.x), 0.5f);
        EXPECT_EQ(std::abs(p.y), 0.5f);
        EXPECT_EQ(p.z, 0.0f);
        EXPECT_EQ(mesh.uvs[2 * v], p.x + 0.5f);
        EXPECT_EQ(mesh.uvs[2 * v + 1], p.y + 0.5f);
        EXPECT_EQ(normal(mesh, v), glm::vec3(0, 0, 1));
    }
}

TEST(ShippedModels, IntactTreadsStayWithinHalfAStepOfTheRamp) {
    // The player walks on a 45-degree plank through y = -z; each tread is cut in half by it.
    for (const char* file : {"stairs.obj", "stairs_block.obj"}) {
        SCOPED_TRACE(file);
        const ObjMeshData mesh = parseModel(file);
        int treadCorners = 0;
        for (std::uint32_t v = 0; v < mesh.vertexCount(); ++v) {
            if (normal(mesh, v).y > 0.99f) {
                const glm::vec3 p = position(mesh, v);
                EXPECT_LE(std::abs(p.y + p.z), 0.125f + 1e-4f) << p.y << ", " << p.z;
                ++treadCorners;
            }
        }
        EXPECT_GE(treadCorners, 40);
    }
}

TEST(ShippedModels, TheSphereIsRoundWithRadiusOneHalf) {
    const ObjMeshData mesh = parseModel("sphere.obj");
    for (std::uint32_t v = 0; v < mesh.vertexCount(); ++v) {
        EXPECT_NEAR(glm::length(position(mesh, v)), 0.5f, 1e-4f);
    }
    EXPECT_GE(mesh.indices.size() / 3, 600u);
    EXPECT_LE(mesh.indices.size() / 3, 1000u);
}
