#include "mesh/Shapes.h"

#include "Random.h"

#include <glm/common.hpp>
#include <glm/geometric.hpp>

#include <algorithm>
#include <cmath>

namespace Vexmor::assetgen {

namespace {

glm::vec3 polygonNormal(const std::vector<glm::vec3>& points) {
    glm::vec3 normal(0.0f);
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        normal += glm::cross(points[i] - points[0], points[i + 1] - points[0]);
    }
    return normal;
}

// A signed offset in [-1, 1] per axis for a point, from its position rounded to 0.1 mm:
// vertices that coincide move together.
glm::vec3 positionJitter(const glm::vec3& p, std::uint32_t seed) {
    const auto q = [](float value) { return static_cast<std::int32_t>(std::lround(value * 1e4f)); };
    const std::int32_t x = q(p.x);
    const std::int32_t y = q(p.y);
    const std::int32_t z = q(p.z);
    const auto axis = [&](std::uint32_t salt) {
        return hashUnit(x ^ static_cast<std::int32_t>(hashPoint(z, 0, seed + salt)), y,
                        seed * 3u + salt) *
                   2.0f -
               1.0f;
    };
    return glm::vec3(axis(1), axis(2), axis(3));
}

} // namespace

void addFacing(Mesh& mesh, std::vector<glm::vec3> points, const glm::vec3& outward,
               UvProjection projection) {
    if (glm::dot(polygonNormal(points), outward) < 0.0f) {
        std::reverse(points.begin(), points.end());
    }
    mesh.addPolygon(points, projection);
}

Mesh boxMapped(const glm::vec3& low, const glm::vec3& high, const UvRect& rect) {
    Mesh mesh;
    const glm::vec3& l = low;
    const glm::vec3& h = high;
    const std::vector<glm::vec2> corners{rect.at(0, 0), rect.at(1, 0), rect.at(1, 1),
                                         rect.at(0, 1)};
    mesh.addPolygon({{l.x, l.y, h.z}, {h.x, l.y, h.z}, {h.x, h.y, h.z}, {l.x, h.y, h.z}}, corners);
    mesh.addPolygon({{h.x, l.y, l.z}, {l.x, l.y, l.z}, {l.x, h.y, l.z}, {h.x, h.y, l.z}}, corners);
    mesh.addPolygon({{h.x, l.y, h.z}, {h.x, l.y, l.z}, {h.x, h.y, l.z}, {h.x, h.y, h.z}}, corners);
    mesh.addPolygon({{l.x, l.y, l.z}, {l.x, l.y, h.z}, {l.x, h.y, h.z}, {l.x, h.y, l.z}}, corners);
    mesh.addPolygon({{l.x, h.y, h.z}, {h.x, h.y, h.z}, {h.x, h.y, l.z}, {l.x, h.y, l.z}}, corners);
    mesh.addPolygon({{l.x, l.y, l.z}, {h.x, l.y, l.z}, {h.x, l.y, h.z}, {l.x, l.y, h.z}}, corners);
    return mesh;
}

Mesh cushion(const glm::vec3& low, const glm::vec3& high, const UvRect& rect) {
    const Mesh plain = boxMapped(low, high, rect);
    const glm::vec3 centre = (low + high) * 0.5f;
    const glm::vec3 half = (high - low) * 0.5f;
    Mesh soft;
    for (const Vertex& vertex : plain.getVertices()) {
        Vertex v = vertex;
        v.normal = glm::normalize(v.normal + 0.7f * glm::normalize((v.position - centre) / half));
        soft.addVertex(v);
    }
    const auto& indices = plain.getIndices();
    for (std::size_t i = 0; i < indices.size(); i += 3) {
        soft.addTriangle(indices[i], indices[i + 1], indices[i + 2]);
    }
    return soft;
}

void roughen(Mesh& mesh, float amount, std::uint32_t seed) {
    Mesh moved;
    for (const Vertex& vertex : mesh.getVertices()) {
        Vertex v = vertex;
        v.position += positionJitter(v.position, seed) * amount;
        moved.addVertex(v);
    }
    const auto& indices = mesh.getIndices();
    for (std::size_t i = 0; i < indices.size(); i += 3) {
        moved.addTriangle(indices[i], indices[i + 1], indices[i + 2]);
    }
    moved.makeFaceted();
    mesh = std::move(moved);
}

void keepInside(Mesh& mesh, const glm::vec3& low, const glm::vec3& high) {
    Mesh kept;
    for (const Vertex& vertex : mesh.getVertices()) {
        Vertex v = vertex;
        v.position = glm::clamp(v.position, low, high);
        kept.addVertex(v);
    }
    const auto& indices = mesh.getIndices();
    for (std::size_t i = 0; i < indices.size(); i += 3) {
        kept.addTriangle(indices[i], indices[i + 1], indices[i + 2]);
    }
    kept.makeFaceted();
    mesh = std::move(kept);
}

Mesh stone(const glm::vec3& size, std::uint32_t seed) {
    Random random(seed);
    constexpr int slices = 7;
    constexpr int stacks = 4;
    // One radius per lattice point; the poles share one each and the seam wraps.
    float radii[stacks + 1][slices];
    for (auto& row : radii) {
        for (float& r : row) {
            r = random.range(0.72f, 1.08f);
        }
    }
    const float turn = random.range(0.0f, 6.2831853f);
    const auto point = [&](int slice, int stack) {
        const float polar = 3.14159265f * static_cast<float>(stack) / stacks;
        const float azimuth = turn + 6.2831853f * static_cast<float>(slice) / slices;
        const float r =
            stack == 0 || stack == stacks ? radii[stack][0] : radii[stack][slice % slices];
        return glm::vec3(std::sin(polar) * std::cos(azimuth), -std::cos(polar),
                         std::sin(polar) * std::sin(azimuth)) *
               size * r;
    };
    Mesh mesh;
    for (int stack = 0; stack < stacks; ++stack) {
        for (int slice = 0; slice < slices; ++slice) {
            const glm::vec3 a = point(slice, stack);
            const glm::vec3 b = point(slice + 1, stack);
            const glm::vec3 c = point(slice + 1, stack + 1);
            const glm::vec3 d = point(slice, stack + 1);
            // Outward is away from the centre; the faces get their own normals below.
            for (const auto& triangle : {std::vector<glm::vec3>{a, b, c}, {a, c, d}}) {
                const glm::vec3 centre = (triangle[0] + triangle[1] + triangle[2]) / 3.0f;
                addFacing(mesh, triangle, centre);
            }
        }
    }
    mesh.makeFaceted();
    return mesh;
}

} // namespace Vexmor::assetgen
