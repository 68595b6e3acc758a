#include "mesh/Models.h"
#include "mesh/Shapes.h"

#include "Random.h"
#include "StairLayout.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Vexmor::assetgen {

namespace {

constexpr float half = 1.25f;
constexpr float pi = 3.14159265f;

// The flight: ten steps whose treads are cut in half by the 45-degree line y = -z that
// the collision ramp follows, so a foot on the ramp is never more than half a step off.
constexpr int stepCount = 10;
constexpr float stepSize = 2.5f / stepCount;
constexpr float flightThickness = 0.12f;

float riserZ(int step) {
    return half - static_cast<float>(step) * stepSize;
}

float treadY(int step) {
    return -half + (static_cast<float>(step) + 0.5f) * stepSize;
}

// The underside of a thin flight, parallel to the ramp below the steps' inner corners.
float soffitY(float z) {
    return -z - stepSize * 0.5f - flightThickness;
}

// The step whose tread lies at height y, or whose riser stands at z.
int stepAtTread(float y) {
    return static_cast<int>(std::lround((y + half) / stepSize - 0.5f));
}

int stepAtRiser(float z) {
    return static_cast<int>(std::lround((half - z) / stepSize));
}

// Maps an intact flight into the stairs' own texture: every tread shows the tread band
// from its nosing to its back, every riser the riser band from under the nosing down,
// each step shifted along its width so the steps do not repeat one another.
glm::vec2 stairProjection(const glm::vec3& position, const glm::vec3& normal) {
    constexpr float stepShift = 0.37f;
    const glm::vec3 a = glm::abs(normal);
    const auto uv = [](float across, const StairBand& band, float along) {
        return glm::vec2(across, 1.0f - band.at(along));
    };
    if (normal.y > a.x && normal.y > a.z) {
        const int step = stepAtTread(position.y);
        const float across = position.x / 2.5f + 0.5f + stepShift * static_cast<float>(step);
        return uv(across, treadBand, (riserZ(step) - position.z) / stepSize);
    }
    if (normal.z > a.x && normal.z > a.y) {
        const int step = stepAtRiser(position.z);
        const float across = position.x / 2.5f + 0.5f + stepShift * static_cast<float>(step);
        return uv(across, riserBand, (treadY(step) - position.y) / stepSize);
    }
    if (a.x >= a.y && a.x >= a.z) {
        return uv((half - position.z) / 2.5f, sideBand, (half - position.y) / 2.5f);
    }
    // The back and the underside.
    const float along = a.z >= a.y ? half - position.y : half - position.z;
    return uv(position.x / 2.5f + 0.5f, sideBand, along / 2.5f);
}

// A run of steps [first, last) across x0..x1 as a closed solid. Its bottom is the
// soffit (thin flight) or the floor (solid wedge); `floorY` cuts the soffit off.
Mesh flight(int first, int last, float x0, float x1, bool solid, float floorY,
            UvProjection projection = cellProjection) {
    const auto low = [&](float z) { return solid ? floorY : std::max(soffitY(z), floorY); };
    Mesh mesh;
    for (int step = first; step < last; ++step) {
        const float za = riserZ(step);
        const float zb = riserZ(step + 1);
        const float top = treadY(step);
        const float below = step == first ? low(za) : treadY(step - 1);
        addFacing(mesh, {{x0, below, za}, {x1, below, za}, {x1, top, za}, {x0, top, za}}, {0, 0, 1},
                  projection);
        addFacing(mesh, {{x0, top, za}, {x1, top, za}, {x1, top, zb}, {x0, top, zb}}, {0, 1, 0},
                  projection);
        // The side faces, one convex piece per step, with the point where the soffit
        // meets the floor when it lies under this step.
        std::vector<glm::vec3> side{{0, low(za), za}};
        const float floorMeet = -floorY - stepSize * 0.5f - flightThickness;
        if (!solid && floorMeet < za && floorMeet > zb) {
            side.push_back({0, floorY, floorMeet});
        }
        side.insert(side.end(), {{0, low(zb), zb}, {0, top, zb}, {0, top, za}});
        for (const float x : {x0, x1}) {
            std::vector<glm::vec3> points = side;
            for (glm::vec3& p : points) {
                p.x = x;
            }
            addFacing(mesh, points, {x == x0 ? -1.0f : 1.0f, 0, 0}, projection);
        }
    }
    const float zEnd = riserZ(last);
    addFacing(mesh,
              {{x0, low(zEnd), zEnd},
               {x1, low(zEnd), zEnd},
               {x1, treadY(last - 1), zEnd},
               {x0, treadY(last - 1), zEnd}},
              {0, 0, -1}, projection);
    const float zStart = riserZ(first);
    if (solid) {
        addFacing(
            mesh,
            {{x0, floorY, zStart}, {x1, floorY, zStart}, {x1, floorY, zEnd}, {x0, floorY, zEnd}},
            {0, -1, 0}, projection);
        return mesh;
    }
    // The soffit, split where it leaves the floor.
    const float zLow = std::min(zStart, -floorY - stepSize * 0.5f - flightThickness);
    addFacing(mesh,
              {{x0, soffitY(zLow), zLow},
               {x1, soffitY(zLow), zLow},
               {x1, soffitY(zEnd), zEnd},
               {x0, soffitY(zEnd), zEnd}},
              {0, -1, -1}, projection);
    if (zLow < zStart) {
        addFacing(
            mesh,
            {{x0, floorY, zStart}, {x1, floorY, zStart}, {x1, floorY, zLow}, {x0, floorY, zLow}},
            {0, -1, 0}, projection);
    }
    return mesh;
}

constexpr float noFloor = -100.0f;

struct Bounds {
    glm::vec3 low{std::numeric_limits<float>::max()};
    glm::vec3 high{std::numeric_limits<float>::lowest()};
};

Bounds boundsOf(const Mesh& mesh, const glm::mat4& transform) {
    Bounds bounds;
    for (const Vertex& v : mesh.getVertices()) {
        const glm::vec3 p(transform * glm::vec4(v.position, 1.0f));
        bounds.low = glm::min(bounds.low, p);
        bounds.high = glm::max(bounds.high, p);
    }
    return bounds;
}

// Puts a piece down at (x, z) after turning it, resting on the floor and kept inside the
// cell with a small margin.
void layDown(Mesh& into, const Mesh& piece, const glm::mat4& turn, float x, float z, float sink) {
    const Bounds turned = boundsOf(piece, turn);
    const glm::vec3 centre = (turned.low + turned.high) * 0.5f;
    const glm::vec3 extent = (turned.high - turned.low) * 0.5f;
    const float margin = 0.03f;
    const float px = std::clamp(x, -half + margin + extent.x, half - margin - extent.x);
    const float pz = std::clamp(z, -half + margin + extent.z, half - margin - extent.z);
    const glm::vec3 move(px - centre.x, -half - turned.low.y - sink, pz - centre.z);
    into.append(piece, glm::translate(glm::mat4(1.0f), move) * turn);
}

// The rubble slope of a ruined wedge, rising from the floor at the front to y = -0.25 at
// the back, like its collision ramp.
float rubbleSlope(float z) {
    return -half + (half - z) / 2.5f;
}

} // namespace

Mesh wallPanel() {
    // A slightly raised field with a bevelled border; the border stays on the cell face,
    // so panels meeting at a corner close without a gap.
    constexpr float inset = 0.08f;
    constexpr float rise = 0.02f;
    constexpr float face = half;
    const float in = half - inset;
    Mesh mesh;
    mesh.addPolygon({{-in, -in, face + rise},
                     {in, -in, face + rise},
                     {in, in, face + rise},
                     {-in, in, face + rise}},
                    cellProjection);
    const glm::vec3 outer[4] = {
        {-half, -half, face}, {half, -half, face}, {half, half, face}, {-half, half, face}};
    const glm::vec3 inner[4] = {{-in, -in, face + rise},
                                {in, -in, face + rise},
                                {in, in, face + rise},
                                {-in, in, face + rise}};
    for (int i = 0; i < 4; ++i) {
        const int j = (i + 1) % 4;
        mesh.addPolygon({outer[i], outer[j], inner[j], inner[i]}, cellProjection);
    }
    return mesh;
}

Mesh stairs() {
    return flight(0, stepCount, -half, half, false, -half, stairProjection);
}

Mesh stairsBlock() {
    return flight(0, stepCount, -half, half, true, -half, stairProjection);
}

Mesh stairsDestructed() {
    Random random(0x57A1D);
    Mesh mesh;
    // What is left standing: the two bottom steps along one wall, worn.
    Mesh stump = flight(0, 2, -half, -0.2f, false, -half);
    roughen(stump, 0.02f, 11);
    mesh.append(stump);
    // Broken runs of the flight, fallen flat and lying about the floor.
    const struct {
        int first;
        int last;
        float width;
        float x;
        float z;
        float yaw;
    } pieces[] = {{3, 6, 1.1f, -0.55f, -0.3f, 0.35f},
                  {6, 8, 0.8f, 0.6f, 0.1f, -0.9f},
                  {8, 10, 0.9f, -0.2f, -0.95f, 1.4f},
                  {2, 4, 0.6f, 0.75f, -0.85f, 2.3f}};
    std::uint32_t seed = 20;
    for (const auto& p : pieces) {
        Mesh piece = flight(p.first, p.last, -p.width * 0.5f, p.width * 0.5f, false, noFloor);
        roughen(piece, 0.025f, ++seed);
        // Soffit down: turn the 45-degree run level, then about the up axis, with a tilt.
        const glm::mat4 turn =
            glm::rotate(glm::mat4(1.0f), p.yaw, glm::vec3(0, 1, 0)) *
            glm::rotate(glm::mat4(1.0f), random.range(-0.12f, 0.12f), glm::vec3(0, 0, 1)) *
            glm::rotate(glm::mat4(1.0f), -pi * 0.25f + random.range(-0.1f, 0.1f),
                        glm::vec3(1, 0, 0));
        layDown(mesh, piece, turn, p.x, p.z, 0.02f);
    }
    for (int i = 0; i < 22; ++i) {
        const float size = random.range(0.05f, 0.16f);
        const Mesh rock = stone({size * random.range(0.8f, 1.4f), size * random.range(0.5f, 0.8f),
                                 size * random.range(0.8f, 1.3f)},
                                100 + static_cast<std::uint32_t>(i));
        const glm::mat4 turn =
            glm::rotate(glm::mat4(1.0f), random.range(0.0f, 6.28f), glm::vec3(0, 1, 0));
        layDown(mesh, rock, turn, random.range(-1.1f, 1.1f), random.range(-1.1f, 0.9f),
                size * 0.2f);
    }
    keepInside(mesh, glm::vec3(-half), glm::vec3(half));
    return mesh;
}

Mesh stairsBlockDestructed() {
    constexpr int grid = 12;
    constexpr float cell = 2.5f / grid;
    // Heights on a grid, lumpy except at the front edge, which meets the floor.
    float height[grid + 1][grid + 1];
    Random random(0xB10C);
    for (int iz = 0; iz <= grid; ++iz) {
        for (int ix = 0; ix <= grid; ++ix) {
            const float z = -half + iz * cell;
            const float lump = (half - z) / 2.5f;
            const float bump = random.range(-0.07f, 0.07f) * std::min(1.0f, lump * 3.0f);
            height[iz][ix] = std::max(-half + 0.004f, rubbleSlope(z) + bump);
        }
    }
    const auto at = [&](int ix, int iz) {
        return glm::vec3(-half + ix * cell, height[iz][ix], -half + iz * cell);
    };
    Mesh mesh;
    for (int iz = 0; iz < grid; ++iz) {
        for (int ix = 0; ix < grid; ++ix) {
            // Alternate the diagonal so the facets do not all run one way.
            const glm::vec3 a = at(ix, iz + 1);
            const glm::vec3 b = at(ix + 1, iz + 1);
            const glm::vec3 c = at(ix + 1, iz);
            const glm::vec3 d = at(ix, iz);
            if ((ix + iz) % 2 == 0) {
                addFacing(mesh, {a, b, c}, {0, 1, 0});
                addFacing(mesh, {a, c, d}, {0, 1, 0});
            } else {
                addFacing(mesh, {a, b, d}, {0, 1, 0});
                addFacing(mesh, {b, c, d}, {0, 1, 0});
            }
        }
    }
    for (int i = 0; i < grid; ++i) {
        for (const int edge : {0, grid}) {
            const float sideSign = edge == 0 ? -1.0f : 1.0f;
            const glm::vec3 a = at(edge, i);
            const glm::vec3 b = at(edge, i + 1);
            addFacing(mesh, {{a.x, -half, a.z}, {b.x, -half, b.z}, b, a}, {sideSign, 0, 0});
            const glm::vec3 c = at(i, edge);
            const glm::vec3 d = at(i + 1, edge);
            if (c.y > -half + 1e-3f || d.y > -half + 1e-3f) {
                addFacing(mesh, {{c.x, -half, c.z}, {d.x, -half, d.z}, d, c}, {0, 0, sideSign});
            }
        }
    }
    addFacing(
        mesh,
        {{-half, -half, -half}, {half, -half, -half}, {half, -half, half}, {-half, -half, half}},
        {0, -1, 0});
    // A stub of the old steps still sticks out of the heap, back against one wall.
    constexpr float stubDrop = 0.9f;
    Mesh stub = flight(7, 10, -1.2f, -0.55f, true, -half + stubDrop);
    roughen(stub, 0.03f, 77);
    mesh.append(stub, glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, -stubDrop, 0.0f)));
    // Loose stones half sunk into the slope.
    for (int i = 0; i < 26; ++i) {
        const float size = random.range(0.07f, 0.2f);
        const float x = random.range(-1.05f, 1.05f);
        const float z = random.range(-1.05f, 1.0f);
        const Mesh rock = stone({size * random.range(0.9f, 1.4f), size * random.range(0.5f, 0.8f),
                                 size * random.range(0.9f, 1.3f)},
                                300 + static_cast<std::uint32_t>(i));
        const glm::mat4 place =
            glm::translate(glm::mat4(1.0f), glm::vec3(x, rubbleSlope(z) + size * 0.1f, z)) *
            glm::rotate(glm::mat4(1.0f), random.range(0.0f, 6.28f), glm::vec3(0, 1, 0)) *
            glm::rotate(glm::mat4(1.0f), 0.38f, glm::vec3(1, 0, 0));
        mesh.append(rock, place);
    }
    keepInside(mesh, glm::vec3(-half), glm::vec3(half));
    return mesh;
}

Mesh ball() {
    return uvSphere(0.5f, 24, 16);
}

Mesh floorEdge() {
    // Stands a little proud of the floor panel's raised field and out from the wall panel
    // below it, so it reads from above and from across the drop; the rest lies in the rock.
    constexpr float width = 0.2f;
    constexpr float proud = 0.06f;
    constexpr float out = 0.03f;
    constexpr float depth = 0.12f;
    // One course of the wall texture's stone along its length.
    const UvRect course{{0.0f, 0.42f}, {1.0f, 0.07f}};
    return boxMapped({-half, -depth, -width}, {half, proud, out}, course);
}

Mesh guiPlane() {
    Mesh mesh;
    mesh.addPolygon(
        {{-0.5f, -0.5f, 0.0f}, {0.5f, -0.5f, 0.0f}, {0.5f, 0.5f, 0.0f}, {-0.5f, 0.5f, 0.0f}},
        {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    return mesh;
}

} // namespace Vexmor::assetgen
