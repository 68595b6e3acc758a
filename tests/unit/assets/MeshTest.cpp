#include "mesh/Mesh.h"

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

using Vexmor::assetgen::box;
using Vexmor::assetgen::lathe;
using Vexmor::assetgen::LatheOptions;
using Vexmor::assetgen::Mesh;

namespace {

int countLines(const std::string& text, const std::string& keyword) {
    std::istringstream lines(text);
    int count = 0;
    for (std::string line; std::getline(lines, line);) {
        count += line.rfind(keyword + " ", 0) == 0 ? 1 : 0;
    }
    return count;
}

// Every triangle's winding agrees with its vertices' normals.
bool woundOutward(const Mesh& mesh) {
    const auto& v = mesh.getVertices();
    const auto& i = mesh.getIndices();
    for (std::size_t t = 0; t < i.size(); t += 3) {
        const glm::vec3 face = glm::cross(v[i[t + 1]].position - v[i[t]].position,
                                          v[i[t + 2]].position - v[i[t]].position);
        if (glm::dot(face, v[i[t]].normal) <= 0.0f) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(Mesh, ObjSharesEqualEntriesAndWritesOnlyTheGamesStatements) {
    const std::string obj = box({-1, -1, -1}, {1, 1, 1}).toObj("cube");
    EXPECT_EQ(countLines(obj, "v"), 8);
    EXPECT_EQ(countLines(obj, "vn"), 6);
    EXPECT_EQ(countLines(obj, "f"), 12);
    std::istringstream lines(obj);
    for (std::string line; std::getline(lines, line);) {
        const std::string keyword = line.substr(0, line.find(' '));
        EXPECT_TRUE(keyword == "#" || keyword == "v" || keyword == "vt" || keyword == "vn" ||
                    keyword == "f")
            << line;
        EXPECT_EQ(line.find("-0 "), std::string::npos) << line;
    }
}

TEST(Mesh, MirroringKeepsFacesOutward) {
    const Mesh cube = box({0.1f, 0, 0}, {1, 1, 1});
    Mesh mirrored;
    mirrored.append(cube, glm::scale(glm::mat4(1.0f), glm::vec3(-1, 1, 1)));
    ASSERT_TRUE(woundOutward(cube));
    EXPECT_TRUE(woundOutward(mirrored));
    EXPECT_EQ(mirrored.getVertices().front().position.x, -cube.getVertices().front().position.x);
}

TEST(Mesh, DegenerateTrianglesAreDropped) {
    Mesh mesh;
    const auto a = mesh.addVertex({{0, 0, 0}, {0, 0}, {0, 0, 1}});
    const auto b = mesh.addVertex({{1, 0, 0}, {0, 0}, {0, 0, 1}});
    const auto c = mesh.addVertex({{2, 0, 0}, {0, 0}, {0, 0, 1}});
    mesh.addTriangle(a, b, c);
    EXPECT_TRUE(mesh.getIndices().empty());
}

TEST(Mesh, APartialLatheIsClosedAtBothEnds) {
    // A half ring of square section: the two end caps must face away from the ring.
    LatheOptions options;
    options.segments = 8;
    options.sweep = 3.14159265f;
    options.closeEnds = true;
    const Mesh ring = lathe({{1.0f, -0.1f, true},
                             {1.0f, 0.1f, true},
                             {0.8f, 0.1f, true},
                             {0.8f, -0.1f, true},
                             {1.0f, -0.1f, true}},
                            options);
    EXPECT_TRUE(woundOutward(ring));
    int caps = 0;
    for (const auto& vertex : ring.getVertices()) {
        caps += std::abs(vertex.normal.z - 1.0f) < 1e-5f ? 1 : 0;
    }
    EXPECT_GE(caps, 8);
}
