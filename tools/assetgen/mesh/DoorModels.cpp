#include "mesh/Models.h"
#include "mesh/Shapes.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>

namespace Vexmor::assetgen {

namespace {

// The leaf: x -0.6..0.6, y -1.25..0.7, z 1.2..1.3, its front face at z = 1.3.
constexpr float leafLeft = -0.6f;
constexpr float leafRight = 0.6f;
constexpr float leafBottom = -1.25f;
constexpr float leafTop = 0.7f;
constexpr float leafBack = 1.2f;
constexpr float leafFront = 1.3f;
constexpr float leafMiddle = 1.25f;

// The door texture keeps its bottom eighth for iron fittings; the planks fill the rest.
constexpr float woodStart = 0.125f;

glm::vec2 doorWood(const glm::vec3& p, const glm::vec3& n) {
    const glm::vec3 a = glm::abs(n);
    const float across = (p.x - leafLeft) / (leafRight - leafLeft);
    const float up = (p.y - leafBottom) / (leafTop - leafBottom);
    const float depth = (p.z - leafBack) * 0.4f;
    glm::vec2 uv;
    if (a.z >= a.x && a.z >= a.y) {
        uv = glm::vec2(n.z >= 0.0f ? across : 1.0f - across, up);
    } else if (a.x >= a.y) {
        uv = glm::vec2(depth, up);
    } else {
        uv = glm::vec2(across, depth);
    }
    return glm::vec2(uv.x, woodStart + (1.0f - woodStart) * std::clamp(uv.y, 0.0f, 1.0f));
}

glm::vec2 doorIron(const glm::vec3& p, const glm::vec3&) {
    const float across = std::clamp((p.x - leafLeft) / (leafRight - leafLeft), 0.0f, 1.0f);
    const float up = std::clamp((p.y - leafBottom) / (leafTop - leafBottom), 0.0f, 1.0f);
    return glm::vec2(across, 0.015f + 0.095f * up);
}

struct Rect {
    float x0, x1, y0, y1;
};

// Four trapezoids between an outer and an inner rectangle, facing +z.
void ring(Mesh& mesh, const Rect& outer, float zOuter, const Rect& inner, float zInner) {
    const glm::vec3 o[4] = {{outer.x0, outer.y0, zOuter},
                            {outer.x1, outer.y0, zOuter},
                            {outer.x1, outer.y1, zOuter},
                            {outer.x0, outer.y1, zOuter}};
    const glm::vec3 i[4] = {{inner.x0, inner.y0, zInner},
                            {inner.x1, inner.y0, zInner},
                            {inner.x1, inner.y1, zInner},
                            {inner.x0, inner.y1, zInner}};
    for (int k = 0; k < 4; ++k) {
        const int next = (k + 1) % 4;
        addFacing(mesh, {o[k], o[next], i[next], i[k]}, {0, 0, 1}, doorWood);
    }
}

void flat(Mesh& mesh, const Rect& r, float z) {
    addFacing(mesh, {{r.x0, r.y0, z}, {r.x1, r.y0, z}, {r.x1, r.y1, z}, {r.x0, r.y1, z}}, {0, 0, 1},
              doorWood);
}

// A sunk panel with a raised, bevelled field in its middle.
void panel(Mesh& mesh, const Rect& r) {
    constexpr float floorZ = leafFront - 0.02f;
    constexpr float fieldZ = leafFront - 0.007f;
    const Rect bevelStart{r.x0 + 0.035f, r.x1 - 0.035f, r.y0 + 0.035f, r.y1 - 0.035f};
    const Rect field{r.x0 + 0.1f, r.x1 - 0.1f, r.y0 + 0.1f, r.y1 - 0.1f};
    // The recess walls look inward, toward the panel's middle.
    addFacing(mesh,
              {{r.x0, r.y0, floorZ},
               {r.x0, r.y1, floorZ},
               {r.x0, r.y1, leafFront},
               {r.x0, r.y0, leafFront}},
              {1, 0, 0}, doorWood);
    addFacing(mesh,
              {{r.x1, r.y0, floorZ},
               {r.x1, r.y1, floorZ},
               {r.x1, r.y1, leafFront},
               {r.x1, r.y0, leafFront}},
              {-1, 0, 0}, doorWood);
    addFacing(mesh,
              {{r.x0, r.y0, floorZ},
               {r.x1, r.y0, floorZ},
               {r.x1, r.y0, leafFront},
               {r.x0, r.y0, leafFront}},
              {0, 1, 0}, doorWood);
    addFacing(mesh,
              {{r.x0, r.y1, floorZ},
               {r.x1, r.y1, floorZ},
               {r.x1, r.y1, leafFront},
               {r.x0, r.y1, leafFront}},
              {0, -1, 0}, doorWood);
    ring(mesh, r, floorZ, bevelStart, floorZ);
    ring(mesh, bevelStart, floorZ, field, fieldZ);
    flat(mesh, field, fieldZ);
}

// One face of the leaf with its fittings, as seen from +z.
Mesh leafFace() {
    constexpr float stile = 0.15f;
    const float inL = leafLeft + stile;
    const float inR = leafRight - stile;
    const Rect lower{inL, inR, -1.05f, -0.32f};
    const Rect upper{inL, inR, -0.18f, 0.52f};
    Mesh mesh;
    flat(mesh, {leafLeft, inL, leafBottom, leafTop}, leafFront);
    flat(mesh, {inR, leafRight, leafBottom, leafTop}, leafFront);
    flat(mesh, {inL, inR, leafBottom, lower.y0}, leafFront);
    flat(mesh, {inL, inR, lower.y1, upper.y0}, leafFront);
    flat(mesh, {inL, inR, upper.y1, leafTop}, leafFront);
    panel(mesh, lower);
    panel(mesh, upper);

    // Strap hinges on the hinge side.
    for (const float y : {-0.92f, 0.33f}) {
        mesh.append(box({leafLeft, y - 0.03f, leafFront},
                        {leafLeft + 0.5f, y + 0.03f, leafFront + 0.012f}, doorIron));
    }
    // The handle: a round rose, a neck and a lever pointing toward the hinge.
    LatheOptions options;
    options.segments = 12;
    options.uv = UvRect{{0.0f, 0.01f}, {1.0f, 0.1f}};
    const Mesh rose = lathe({{0.0f, 0.0f},
                             {0.045f, 0.0f, true},
                             {0.045f, 0.008f, true},
                             {0.016f, 0.016f, true},
                             {0.014f, 0.042f},
                             {0.0f, 0.042f}},
                            options);
    const glm::vec3 handle(0.48f, -0.25f, leafFront);
    mesh.append(rose, glm::translate(glm::mat4(1.0f), handle) *
                          glm::rotate(glm::mat4(1.0f), 1.5707963f, glm::vec3(1, 0, 0)));
    mesh.append(box(handle + glm::vec3(-0.15f, -0.014f, 0.03f),
                    handle + glm::vec3(0.012f, 0.014f, 0.05f), doorIron));
    return mesh;
}

} // namespace

Mesh door() {
    Mesh mesh;
    const Mesh face = leafFace();
    mesh.append(face);
    // The back is the front mirrored through the leaf's middle plane.
    mesh.append(face, glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, leafMiddle)) *
                          glm::scale(glm::mat4(1.0f), glm::vec3(1, 1, -1)) *
                          glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, -leafMiddle)));
    const float l = leafLeft;
    const float r = leafRight;
    const float b = leafBottom;
    const float t = leafTop;
    const float bz = leafBack;
    const float fz = leafFront;
    addFacing(mesh, {{l, b, bz}, {l, b, fz}, {l, t, fz}, {l, t, bz}}, {-1, 0, 0}, doorWood);
    addFacing(mesh, {{r, b, bz}, {r, b, fz}, {r, t, fz}, {r, t, bz}}, {1, 0, 0}, doorWood);
    addFacing(mesh, {{l, t, bz}, {r, t, bz}, {r, t, fz}, {l, t, fz}}, {0, 1, 0}, doorWood);
    addFacing(mesh, {{l, b, bz}, {r, b, bz}, {r, b, fz}, {l, b, fz}}, {0, -1, 0}, doorWood);
    return mesh;
}

Mesh doorFrame() {
    constexpr float h = 1.25f;
    constexpr float opening = 0.6f;
    constexpr float lintel = 0.7f;
    constexpr float front = 1.25f;
    constexpr float back = 1.15f;
    Mesh mesh;
    // The wall with its doorway, both faces.
    for (const float z : {front, back}) {
        const glm::vec3 out(0, 0, z == front ? 1.0f : -1.0f);
        addFacing(mesh, {{-h, -h, z}, {-opening, -h, z}, {-opening, lintel, z}, {-h, lintel, z}},
                  out);
        addFacing(mesh, {{opening, -h, z}, {h, -h, z}, {h, lintel, z}, {opening, lintel, z}}, out);
        addFacing(mesh, {{-h, lintel, z}, {h, lintel, z}, {h, h, z}, {-h, h, z}}, out);
    }
    // The reveal of the doorway and the slab's outer edges.
    addFacing(mesh,
              {{-opening, -h, back},
               {-opening, -h, front},
               {-opening, lintel, front},
               {-opening, lintel, back}},
              {1, 0, 0});
    addFacing(mesh,
              {{opening, -h, back},
               {opening, -h, front},
               {opening, lintel, front},
               {opening, lintel, back}},
              {-1, 0, 0});
    addFacing(mesh,
              {{-opening, lintel, back},
               {opening, lintel, back},
               {opening, lintel, front},
               {-opening, lintel, front}},
              {0, -1, 0});
    for (const float x : {-h, h}) {
        addFacing(mesh, {{x, -h, back}, {x, -h, front}, {x, h, front}, {x, h, back}}, {x, 0, 0});
    }
    addFacing(mesh, {{-h, h, back}, {h, h, back}, {h, h, front}, {-h, h, front}}, {0, 1, 0});

    // Moulded trim around the doorway. On the back the hinge-side strip stands clear of
    // where the open leaf swings.
    constexpr float trim = 0.12f;
    constexpr float proud = 0.025f;
    mesh.append(box({-opening - trim, -h, front}, {-opening, lintel, front + proud}));
    mesh.append(box({opening, -h, front}, {opening + trim, lintel, front + proud}));
    mesh.append(
        box({-opening - trim, lintel, front}, {opening + trim, lintel + trim, front + proud}));
    mesh.append(box({-0.1f, lintel, front + proud}, {0.1f, lintel + 0.2f, front + 0.045f}));
    mesh.append(box({-opening - 0.2f, -h, back - proud}, {-opening - 0.08f, lintel, back}));
    mesh.append(box({opening, -h, back - proud}, {opening + trim, lintel, back}));
    mesh.append(
        box({-opening - 0.2f, lintel, back - proud}, {opening + trim, lintel + trim, back}));
    return mesh;
}

} // namespace Vexmor::assetgen
