#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace Vexmor::assetgen {

struct Vertex {
    glm::vec3 position;
    glm::vec2 uv;
    glm::vec3 normal;
};

// Texture coordinates for a point on a flat face.
using UvProjection = glm::vec2 (*)(const glm::vec3& position, const glm::vec3& normal);

// World-scale box projection: one texture repeat per 2.5 units (a cell face), so every
// surface shows the stone at the size the wall panels do.
glm::vec2 cellProjection(const glm::vec3& position, const glm::vec3& normal);

// Triangles wound counter-clockwise seen from outside, each corner with its own vertex.
class Mesh {
public:
    std::uint32_t addVertex(const Vertex& vertex);
    // Triangles of (nearly) no area are dropped: they carry no normal of their own.
    void addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    // A flat convex polygon given counter-clockwise seen from outside, as a fan.
    void addPolygon(const std::vector<glm::vec3>& points, UvProjection projection);
    void addPolygon(const std::vector<glm::vec3>& points, const std::vector<glm::vec2>& uvs);
    // Adds `other` moved by `transform`; a mirroring transform keeps the winding right.
    void append(const Mesh& other, const glm::mat4& transform = glm::mat4(1.0f));
    // Gives every triangle its own face normal: hard, chiselled edges.
    void makeFaceted();

    const std::vector<Vertex>& getVertices() const { return vertices; }
    const std::vector<std::uint32_t>& getIndices() const { return indices; }

    // The OBJ subset the game reads: v, vt, vn and a/b/c triangles, equal entries shared.
    std::string toObj(const std::string& title) const;

private:
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;
};

// An axis-aligned box, UVs from `projection`.
Mesh box(const glm::vec3& low, const glm::vec3& high, UvProjection projection = cellProjection);

// Area of the texture one part of a model maps into.
struct UvRect {
    glm::vec2 origin{0.0f, 0.0f};
    glm::vec2 size{1.0f, 1.0f};

    glm::vec2 at(float u, float v) const { return origin + size * glm::vec2(u, v); }
};

// A point of a lathe profile: distance from the axis and height along it. A sharp point
// is a crease: the faces on either side keep their own normals.
struct ProfilePoint {
    float radius;
    float height;
    bool sharp = false;
};

struct LatheOptions {
    int segments = 24;
    // Part of the turn, in radians, starting at angle 0 (the +x axis, turning toward -z).
    // A partial turn gets flat caps at both ends when `closeEnds` is set.
    float startAngle = 0.0f;
    float sweep = 6.2831853f;
    bool closeEnds = false;
    UvRect uv;
    // How often the texture repeats around the full turn.
    float uRepeat = 1.0f;
};

// A surface of revolution about the y axis. The profile runs so that its outside lies to
// the right when walking along it in (radius, height), e.g. bottom to top on the outside.
Mesh lathe(const std::vector<ProfilePoint>& profile, const LatheOptions& options);

// A UV sphere with poles on the y axis.
Mesh uvSphere(float radius, int slices, int stacks);

// A prism: the convex outline (counter-clockwise in x, y) extruded from z0 to z1. The caps
// map x, y times `uvScale` around the middle of `uv`; the sides take `uv` across their
// depth and once along the way round.
Mesh prism(const std::vector<glm::vec2>& outline, float z0, float z1, const UvRect& uv,
           float uvScale);

} // namespace Vexmor::assetgen
