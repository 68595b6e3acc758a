#include "mesh/Mesh.h"

#include <glm/common.hpp>
#include <glm/geometric.hpp>
#include <glm/mat3x3.hpp>
#include <glm/matrix.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

namespace Vexmor::assetgen {

namespace {

constexpr float cellSize = 2.5f;

// Short, locale-free and stable: the same float always prints the same text.
std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.5f", static_cast<double>(value));
    std::string result(text);
    result.erase(result.find_last_not_of('0') + 1);
    if (result.back() == '.') {
        result.pop_back();
    }
    return result == "-0" ? "0" : result;
}

glm::vec3 newellNormal(const std::vector<glm::vec3>& points) {
    glm::vec3 normal(0.0f);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const glm::vec3& a = points[i];
        const glm::vec3& b = points[(i + 1) % points.size()];
        normal += glm::vec3((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x),
                            (a.x - b.x) * (a.y + b.y));
    }
    return glm::normalize(normal);
}

// Outward normal in (radius, height) of a profile segment that keeps the outside on its right.
glm::vec2 segmentNormal(const ProfilePoint& a, const ProfilePoint& b) {
    return glm::normalize(glm::vec2(b.height - a.height, -(b.radius - a.radius)));
}

} // namespace

glm::vec2 cellProjection(const glm::vec3& position, const glm::vec3& normal) {
    const glm::vec3 a = glm::abs(normal);
    glm::vec2 uv;
    if (a.y >= a.x && a.y >= a.z) {
        uv = glm::vec2(normal.y >= 0.0f ? position.x : -position.x, -position.z);
    } else if (a.z >= a.x) {
        uv = glm::vec2(normal.z >= 0.0f ? position.x : -position.x, position.y);
    } else {
        uv = glm::vec2(normal.x >= 0.0f ? -position.z : position.z, position.y);
    }
    return uv / cellSize + 0.5f;
}

std::uint32_t Mesh::addVertex(const Vertex& vertex) {
    vertices.push_back(vertex);
    return static_cast<std::uint32_t>(vertices.size() - 1);
}

void Mesh::addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    const glm::vec3 cross = glm::cross(vertices[b].position - vertices[a].position,
                                       vertices[c].position - vertices[a].position);
    if (glm::length(cross) < 1e-7f) {
        return;
    }
    indices.insert(indices.end(), {a, b, c});
}

void Mesh::addPolygon(const std::vector<glm::vec3>& points, UvProjection projection) {
    const glm::vec3 normal = newellNormal(points);
    std::vector<glm::vec2> uvs;
    for (const glm::vec3& point : points) {
        uvs.push_back(projection(point, normal));
    }
    addPolygon(points, uvs);
}

void Mesh::addPolygon(const std::vector<glm::vec3>& points, const std::vector<glm::vec2>& uvs) {
    const glm::vec3 normal = newellNormal(points);
    const auto first = static_cast<std::uint32_t>(vertices.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        addVertex({points[i], uvs[i], normal});
    }
    for (std::uint32_t i = 1; i + 1 < points.size(); ++i) {
        addTriangle(first, first + i, first + i + 1);
    }
}

void Mesh::append(const Mesh& other, const glm::mat4& transform) {
    const glm::mat3 linear(transform);
    const glm::mat3 normalMatrix = glm::transpose(glm::inverse(linear));
    const bool mirrored = glm::determinant(linear) < 0.0f;
    const auto first = static_cast<std::uint32_t>(vertices.size());
    for (const Vertex& vertex : other.vertices) {
        vertices.push_back({glm::vec3(transform * glm::vec4(vertex.position, 1.0f)), vertex.uv,
                            glm::normalize(normalMatrix * vertex.normal)});
    }
    for (std::size_t i = 0; i < other.indices.size(); i += 3) {
        const std::uint32_t a = first + other.indices[i];
        const std::uint32_t b = first + other.indices[i + 1];
        const std::uint32_t c = first + other.indices[i + 2];
        if (mirrored) {
            indices.insert(indices.end(), {a, c, b});
        } else {
            indices.insert(indices.end(), {a, b, c});
        }
    }
}

void Mesh::makeFaceted() {
    Mesh faceted;
    for (std::size_t i = 0; i < indices.size(); i += 3) {
        Vertex a = vertices[indices[i]];
        Vertex b = vertices[indices[i + 1]];
        Vertex c = vertices[indices[i + 2]];
        const glm::vec3 normal =
            glm::normalize(glm::cross(b.position - a.position, c.position - a.position));
        a.normal = b.normal = c.normal = normal;
        faceted.addTriangle(faceted.addVertex(a), faceted.addVertex(b), faceted.addVertex(c));
    }
    *this = std::move(faceted);
}

std::string Mesh::toObj(const std::string& title) const {
    std::map<std::string, std::size_t> positions;
    std::map<std::string, std::size_t> uvs;
    std::map<std::string, std::size_t> normals;
    std::ostringstream entries;
    std::vector<std::string> corners;
    corners.reserve(vertices.size());
    const auto entry = [&entries](std::map<std::string, std::size_t>& known, const char* keyword,
                                  const std::string& text) {
        const auto found = known.find(text);
        if (found != known.end()) {
            return found->second;
        }
        const std::size_t index = known.size() + 1;
        known.emplace(text, index);
        entries << keyword << ' ' << text << '\n';
        return index;
    };
    for (const Vertex& vertex : vertices) {
        const glm::vec3& p = vertex.position;
        const glm::vec3& n = vertex.normal;
        const std::size_t v =
            entry(positions, "v", number(p.x) + ' ' + number(p.y) + ' ' + number(p.z));
        const std::size_t t = entry(uvs, "vt", number(vertex.uv.x) + ' ' + number(vertex.uv.y));
        const std::size_t m =
            entry(normals, "vn", number(n.x) + ' ' + number(n.y) + ' ' + number(n.z));
        corners.push_back(std::to_string(v) + '/' + std::to_string(t) + '/' + std::to_string(m));
    }
    std::ostringstream obj;
    obj << "# " << title << "\n# Made by vexmor-assetgen; edit the generator, not this file.\n"
        << entries.str();
    for (std::size_t i = 0; i < indices.size(); i += 3) {
        obj << "f " << corners[indices[i]] << ' ' << corners[indices[i + 1]] << ' '
            << corners[indices[i + 2]] << '\n';
    }
    return obj.str();
}

Mesh box(const glm::vec3& low, const glm::vec3& high, UvProjection projection) {
    const glm::vec3& l = low;
    const glm::vec3& h = high;
    Mesh mesh;
    mesh.addPolygon({{l.x, l.y, h.z}, {h.x, l.y, h.z}, {h.x, h.y, h.z}, {l.x, h.y, h.z}},
                    projection);
    mesh.addPolygon({{h.x, l.y, l.z}, {l.x, l.y, l.z}, {l.x, h.y, l.z}, {h.x, h.y, l.z}},
                    projection);
    mesh.addPolygon({{h.x, l.y, h.z}, {h.x, l.y, l.z}, {h.x, h.y, l.z}, {h.x, h.y, h.z}},
                    projection);
    mesh.addPolygon({{l.x, l.y, l.z}, {l.x, l.y, h.z}, {l.x, h.y, h.z}, {l.x, h.y, l.z}},
                    projection);
    mesh.addPolygon({{l.x, h.y, h.z}, {h.x, h.y, h.z}, {h.x, h.y, l.z}, {l.x, h.y, l.z}},
                    projection);
    mesh.addPolygon({{l.x, l.y, l.z}, {h.x, l.y, l.z}, {h.x, l.y, h.z}, {l.x, l.y, h.z}},
                    projection);
    return mesh;
}

Mesh lathe(const std::vector<ProfilePoint>& profile, const LatheOptions& options) {
    std::vector<float> along{0.0f};
    for (std::size_t i = 1; i < profile.size(); ++i) {
        along.push_back(along.back() +
                        glm::length(glm::vec2(profile[i].radius - profile[i - 1].radius,
                                              profile[i].height - profile[i - 1].height)));
    }
    const float total = along.back();
    Mesh mesh;
    for (std::size_t i = 0; i + 1 < profile.size(); ++i) {
        const ProfilePoint& a = profile[i];
        const ProfilePoint& b = profile[i + 1];
        const glm::vec2 own = segmentNormal(a, b);
        // A smooth point shares the mean of its two segments' normals.
        const auto pointNormal = [&](std::size_t k) {
            if (profile[k].sharp || k == 0 || k + 1 == profile.size()) {
                return own;
            }
            const glm::vec2 before = segmentNormal(profile[k - 1], profile[k]);
            const glm::vec2 after = segmentNormal(profile[k], profile[k + 1]);
            return glm::normalize(before + after);
        };
        const glm::vec2 normalA = pointNormal(i);
        const glm::vec2 normalB = pointNormal(i + 1);
        for (int s = 0; s < options.segments; ++s) {
            std::uint32_t corner[4];
            for (int c = 0; c < 4; ++c) {
                const int step = s + (c == 1 || c == 2 ? 1 : 0);
                const bool upper = c >= 2;
                const ProfilePoint& p = upper ? b : a;
                const glm::vec2 n = upper ? normalB : normalA;
                const float fraction = static_cast<float>(step) / options.segments;
                const float angle = options.startAngle + options.sweep * fraction;
                const glm::vec3 direction(std::cos(angle), 0.0f, -std::sin(angle));
                const float u = options.sweep * fraction / 6.2831853f * options.uRepeat;
                const float v = total > 0.0f ? along[upper ? i + 1 : i] / total : 0.0f;
                corner[c] = mesh.addVertex(
                    {direction * p.radius + glm::vec3(0, p.height, 0), options.uv.at(u, v),
                     glm::normalize(direction * n.x + glm::vec3(0.0f, n.y, 0.0f))});
            }
            mesh.addTriangle(corner[0], corner[1], corner[2]);
            mesh.addTriangle(corner[0], corner[2], corner[3]);
        }
    }
    if (options.closeEnds) {
        for (const float angle : {options.startAngle, options.startAngle + options.sweep}) {
            const glm::vec3 direction(std::cos(angle), 0.0f, -std::sin(angle));
            const glm::vec3 tangent(-std::sin(angle), 0.0f, -std::cos(angle));
            const bool atStart = angle == options.startAngle;
            std::vector<glm::vec3> points;
            std::vector<glm::vec2> uvs;
            for (const ProfilePoint& p : profile) {
                points.push_back(direction * p.radius + glm::vec3(0.0f, p.height, 0.0f));
                uvs.push_back(options.uv.at(0.5f + p.radius, 0.5f + p.height));
            }
            const glm::vec3 outward = atStart ? -tangent : tangent;
            if (glm::dot(newellNormal(points), outward) < 0.0f) {
                std::reverse(points.begin(), points.end());
                std::reverse(uvs.begin(), uvs.end());
            }
            mesh.addPolygon(points, uvs);
        }
    }
    return mesh;
}

Mesh uvSphere(float radius, int slices, int stacks) {
    Mesh mesh;
    const auto point = [&](int slice, int stack) {
        const float u = static_cast<float>(slice) / slices;
        const float v = static_cast<float>(stack) / stacks;
        const float polar = 3.14159265f * v;
        const float azimuth = 6.2831853f * u;
        const glm::vec3 normal(std::sin(polar) * std::cos(azimuth), -std::cos(polar),
                               -std::sin(polar) * std::sin(azimuth));
        // At a pole every slice has its own vertex, its u in the middle of the slice.
        const float poleU = (stack == 0 || stack == stacks) ? 0.5f / slices : 0.0f;
        return mesh.addVertex({normal * radius, glm::vec2(u + poleU, v), normal});
    };
    for (int stack = 0; stack < stacks; ++stack) {
        for (int slice = 0; slice < slices; ++slice) {
            const std::uint32_t a = point(slice, stack);
            const std::uint32_t b = point(slice + 1, stack);
            const std::uint32_t c = point(slice + 1, stack + 1);
            const std::uint32_t d = point(slice, stack + 1);
            mesh.addTriangle(a, b, c);
            mesh.addTriangle(a, c, d);
        }
    }
    return mesh;
}

Mesh prism(const std::vector<glm::vec2>& outline, float z0, float z1, const UvRect& uv,
           float uvScale) {
    const auto clampedAt = [&uv](float u, float v) {
        return uv.at(std::clamp(u, 0.0f, 1.0f), std::clamp(v, 0.0f, 1.0f));
    };
    Mesh mesh;
    std::vector<glm::vec3> front;
    std::vector<glm::vec3> back;
    std::vector<glm::vec2> frontUv;
    std::vector<glm::vec2> backUv;
    for (const glm::vec2& p : outline) {
        front.emplace_back(p.x, p.y, z1);
        frontUv.push_back(clampedAt(p.x * uvScale + 0.5f, p.y * uvScale + 0.5f));
    }
    for (auto p = outline.rbegin(); p != outline.rend(); ++p) {
        back.emplace_back(p->x, p->y, z0);
        backUv.push_back(clampedAt(0.5f - p->x * uvScale, p->y * uvScale + 0.5f));
    }
    mesh.addPolygon(front, frontUv);
    mesh.addPolygon(back, backUv);
    float total = 0.0f;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        total += glm::length(outline[(i + 1) % outline.size()] - outline[i]);
    }
    float along = 0.0f;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const glm::vec2& a = outline[i];
        const glm::vec2& b = outline[(i + 1) % outline.size()];
        const float next = along + glm::length(b - a);
        mesh.addPolygon({{a, z0}, {b, z0}, {b, z1}, {a, z1}},
                        {uv.at(0.0f, along / total), uv.at(0.0f, next / total),
                         uv.at(1.0f, next / total), uv.at(1.0f, along / total)});
        along = next;
    }
    return mesh;
}

} // namespace Vexmor::assetgen
