#include "mesh/Models.h"
#include "mesh/Shapes.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>

namespace Vexmor::assetgen {

namespace {

constexpr float pi = 3.14159265f;

// The pod is a ball of radius 0.95 (inside the machine's collision sphere of 1), cut flat
// at |x| = 0.3 and split at x = 0 into the halves that slide apart. The rotor arms turn
// in the planes |x| = 0.34521, just outside the flat sides, around a hub.
constexpr float podRadius = 0.95f;
constexpr float podCurve = 0.5f;
constexpr float sideX = 0.3f;
constexpr float shellThickness = 0.04f;
constexpr float hubRadius = 0.12f;
constexpr float hubEnd = 0.41f;

float shellRadius(float x) {
    return podRadius * std::sqrt(1.0f - (x / podCurve) * (x / podCurve));
}

const glm::mat4 identity(1.0f);

// Lathes are built around y; the pod's axis is x.
const glm::mat4 yToX = glm::rotate(identity, -pi * 0.5f, glm::vec3(0, 0, 1));
// And the locks' axis is z, with the lathe's first half turn landing on +y.
const glm::mat4 yToZ = glm::rotate(identity, pi * 0.5f, glm::vec3(1, 0, 0));
const glm::mat4 mirrorX = glm::scale(identity, glm::vec3(-1, 1, 1));

// Capsule texture bands, bottom to top: hub, lining, side plate, outer shell.
const UvRect hubBand{{0.0f, 0.0f}, {1.0f, 0.125f}};
const UvRect liningBand{{0.0f, 0.125f}, {1.0f, 0.125f}};
const UvRect sideBand{{0.0f, 0.25f}, {1.0f, 0.25f}};
const UvRect shellBand{{0.0f, 0.5f}, {1.0f, 0.5f}};

// Chair texture: upholstery above, metal below.
const UvRect upholstery{{0.0f, 0.5f}, {1.0f, 0.5f}};
const UvRect chairMetal{{0.0f, 0.0f}, {1.0f, 0.5f}};

// A flat convex polygon with its own texture coordinates, turned to face `outward`.
void addFacingMapped(Mesh& mesh, std::vector<glm::vec3> points, std::vector<glm::vec2> uvs,
                     const glm::vec3& outward) {
    const glm::vec3 normal = glm::cross(points[1] - points[0], points[2] - points[0]);
    if (glm::dot(normal, outward) < 0.0f) {
        std::reverse(points.begin(), points.end());
        std::reverse(uvs.begin(), uvs.end());
    }
    mesh.addPolygon(points, uvs);
}

LatheOptions podOptions(const UvRect& band) {
    LatheOptions options;
    options.segments = 24;
    options.uv = band;
    options.uRepeat = 2.0f;
    return options;
}

} // namespace

Mesh capsuleRight() {
    std::vector<ProfilePoint> outer{{podRadius, 0.0f, true}};
    std::vector<ProfilePoint> inner{{0.0f, sideX - shellThickness}};
    constexpr int samples = 5;
    for (int i = 1; i <= samples; ++i) {
        const float x = sideX * static_cast<float>(i) / samples;
        outer.push_back({shellRadius(x), x, i == samples});
    }
    for (int i = samples; i >= 0; --i) {
        const float x = (sideX - shellThickness) * static_cast<float>(i) / samples;
        inner.push_back({shellRadius(x) - shellThickness, x, i == samples || i == 0});
    }
    Mesh half;
    half.append(lathe(outer, podOptions(shellBand)), yToX);
    half.append(lathe(inner, podOptions(liningBand)), yToX);
    half.append(lathe({{shellRadius(0.0f) - shellThickness, 0.0f}, {podRadius, 0.0f}},
                      podOptions(liningBand)),
                yToX);
    half.append(lathe({{shellRadius(sideX), sideX}, {hubRadius, sideX}}, podOptions(sideBand)),
                yToX);
    half.append(lathe({{hubRadius, sideX},
                       {hubRadius, hubEnd - 0.02f, true},
                       {hubRadius - 0.025f, hubEnd, true},
                       {0.0f, hubEnd}},
                      podOptions(hubBand)),
                yToX);
    return half;
}

Mesh capsuleLeft() {
    Mesh mesh;
    mesh.append(capsuleRight(), mirrorX);
    return mesh;
}

Mesh lockBig() {
    // Half a clamp ring on the +y side; with its twin turned half way round it closes
    // the ring over the seam, and a quarter turn later each half sits on its own capsule.
    LatheOptions options;
    options.segments = 16;
    options.sweep = pi;
    options.closeEnds = true;
    options.uRepeat = 2.0f;
    const Mesh ring = lathe({{0.23f, -0.025f, true},
                             {0.23f, 0.015f, true},
                             {0.22f, 0.025f, true},
                             {0.14f, 0.025f, true},
                             {0.13f, 0.015f, true},
                             {0.13f, -0.025f, true},
                             {0.23f, -0.025f, true}},
                            options);
    Mesh mesh;
    mesh.append(ring, yToZ);
    for (const float degrees : {30.0f, 90.0f, 150.0f}) {
        mesh.append(boxMapped({0.22f, -0.022f, -0.02f}, {0.275f, 0.022f, 0.02f},
                              UvRect{{0.0f, 0.0f}, {1.0f, 0.25f}}),
                    glm::rotate(identity, glm::radians(degrees), glm::vec3(0, 0, 1)));
    }
    return mesh;
}

Mesh lockSmall() {
    // Half a dial over +y, in front of the clamp ring; the two halves first lock the seam
    // across, then turn to lie along it.
    LatheOptions options;
    options.segments = 12;
    options.sweep = pi;
    options.closeEnds = true;
    options.uRepeat = 2.0f;
    const Mesh dial = lathe({{0.0f, -0.015f},
                             {0.11f, -0.015f, true},
                             {0.11f, 0.01f, true},
                             {0.1f, 0.02f, true},
                             {0.0f, 0.02f}},
                            options);
    Mesh mesh;
    mesh.append(dial, yToZ);
    mesh.append(boxMapped({-0.012f, 0.018f, 0.02f}, {0.012f, 0.095f, 0.045f},
                          UvRect{{0.0f, 0.75f}, {1.0f, 0.25f}}));
    return mesh;
}

Mesh rotatorRight() {
    // One arm along +y in the plane x = 0, its root clear of the capsule's hub; a fin
    // on the outer side and a nacelle at the tip for the small rotor.
    Mesh mesh;
    const Mesh beam = prism({{-0.065f, -0.32f}, {0.065f, -0.32f}, {0.04f, 0.32f}, {-0.04f, 0.32f}},
                            -0.025f, 0.025f, UvRect{}, 1.4f);
    mesh.append(beam, glm::translate(identity, glm::vec3(0, 0.46f, 0)) *
                          glm::rotate(identity, pi * 0.5f, glm::vec3(0, 1, 0)));
    mesh.append(boxMapped({0.025f, 0.25f, -0.012f}, {0.04f, 0.7f, 0.012f},
                          UvRect{{0.0f, 0.0f}, {0.25f, 1.0f}}));
    // The arm slides out along this rod, which stays inside the hub.
    mesh.append(boxMapped({-0.015f, -0.1f, -0.02f}, {0.015f, 0.2f, 0.02f},
                          UvRect{{0.0f, 0.0f}, {0.25f, 1.0f}}));
    LatheOptions foot;
    foot.segments = 6;
    foot.startAngle = pi - 0.3f;
    foot.sweep = 0.6f;
    foot.closeEnds = true;
    foot.uv = UvRect{{0.0f, 0.0f}, {1.0f, 0.2f}};
    mesh.append(lathe({{0.135f, -0.032f, true},
                       {0.185f, -0.032f, true},
                       {0.185f, 0.032f, true},
                       {0.135f, 0.032f, true},
                       {0.135f, -0.032f, true}},
                      foot),
                yToX);
    LatheOptions nacelle;
    nacelle.segments = 12;
    nacelle.uv = UvRect{{0.0f, 0.8f}, {1.0f, 0.2f}};
    mesh.append(lathe({{0.0f, 0.76f},
                       {0.04f, 0.76f, true},
                       {0.048f, 0.78f},
                       {0.048f, 0.85f},
                       {0.035f, 0.87f, true},
                       {0.0f, 0.87f}},
                      nacelle));
    return mesh;
}

Mesh rotatorLeft() {
    Mesh mesh;
    mesh.append(rotatorRight(), mirrorX);
    return mesh;
}

Mesh smallRotorRight() {
    // A spinner on the arm's axis above the nacelle, with three pitched blades; its shaft
    // reaches into the nacelle, so it stays joined to the arm when pushed out.
    Mesh mesh;
    LatheOptions spinner;
    spinner.segments = 12;
    spinner.uv = UvRect{{0.0f, 0.8f}, {1.0f, 0.2f}};
    mesh.append(lathe({{0.0f, 0.8f},
                       {0.012f, 0.8f, true},
                       {0.012f, 0.875f, true},
                       {0.03f, 0.875f, true},
                       {0.03f, 0.895f},
                       {0.018f, 0.925f},
                       {0.0f, 0.94f}},
                      spinner));
    for (int blade = 0; blade < 3; ++blade) {
        mesh.append(boxMapped({0.02f, -0.004f, -0.018f}, {0.125f, 0.004f, 0.018f},
                              UvRect{{0.3f, 0.0f}, {0.4f, 1.0f}}),
                    glm::translate(identity, glm::vec3(0, 0.89f, 0)) *
                        glm::rotate(identity, glm::radians(120.0f * blade), glm::vec3(0, 1, 0)) *
                        glm::rotate(identity, 0.35f, glm::vec3(1, 0, 0)));
    }
    return mesh;
}

Mesh smallRotorLeft() {
    Mesh mesh;
    mesh.append(smallRotorRight(), mirrorX);
    return mesh;
}

Mesh timeChair() {
    Mesh mesh;
    // The plinth the pod rests on, standing on the floor, and the seat's post.
    LatheOptions plinth;
    plinth.segments = 32;
    plinth.uv = chairMetal;
    plinth.uRepeat = 2.0f;
    mesh.append(lathe({{0.0f, -1.25f},
                       {0.5f, -1.25f, true},
                       {0.5f, -1.19f, true},
                       {0.44f, -1.15f, true},
                       {0.2f, -1.13f, true},
                       {0.14f, -1.08f},
                       {0.14f, -0.97f, true},
                       {0.22f, -0.94f, true},
                       {0.06f, -0.93f, true},
                       {0.06f, -0.47f, true},
                       {0.0f, -0.47f}},
                      plinth));
    // Seat, back and head rest, leaning back a little.
    mesh.append(boxMapped({-0.21f, -0.47f, -0.21f}, {0.21f, -0.42f, 0.21f}, chairMetal));
    mesh.append(cushion({-0.2f, -0.42f, -0.2f}, {0.2f, -0.32f, 0.2f}, upholstery));
    const glm::mat4 lean = glm::translate(identity, glm::vec3(0, -0.33f, -0.25f)) *
                           glm::rotate(identity, -0.17f, glm::vec3(1, 0, 0)) *
                           glm::translate(identity, glm::vec3(0, 0.33f, 0.25f));
    mesh.append(cushion({-0.19f, -0.33f, -0.3f}, {0.19f, 0.38f, -0.2f}, upholstery), lean);
    mesh.append(boxMapped({-0.2f, -0.36f, -0.33f}, {0.2f, 0.4f, -0.3f}, chairMetal), lean);
    mesh.append(cushion({-0.13f, 0.42f, -0.34f}, {0.13f, 0.56f, -0.22f}, upholstery), lean);
    mesh.append(boxMapped({-0.03f, 0.38f, -0.31f}, {0.03f, 0.44f, -0.27f}, chairMetal), lean);
    // Arm rests on posts, each with a lit control pad at its end.
    for (const float side : {-1.0f, 1.0f}) {
        const glm::mat4 place = glm::scale(identity, glm::vec3(side, 1, 1));
        mesh.append(cushion({0.2f, -0.2f, -0.2f}, {0.26f, -0.15f, 0.14f}, upholstery), place);
        mesh.append(boxMapped({0.215f, -0.42f, 0.04f}, {0.245f, -0.2f, 0.08f}, chairMetal), place);
        mesh.append(boxMapped({0.205f, -0.2f, 0.14f}, {0.255f, -0.14f, 0.2f},
                              UvRect{{0.8f, 0.0f}, {0.2f, 0.1f}}),
                    place);
    }
    return mesh;
}

Mesh usePlate() {
    // A low slab with chamfered sides on the floor, around its own origin: the machine
    // stands beyond its -z edge. The top takes the texture above v = 0.125, the sides the
    // lit strip below.
    constexpr float halfWidth = 0.65f;
    constexpr float halfDepth = 0.4f;
    // High enough that its lit sides show as a stripe from across a hall.
    constexpr float height = 0.1f;
    constexpr float chamfer = 0.03f;
    constexpr float faceStart = 0.125f;
    const float topX = halfWidth - chamfer;
    const float topZ = halfDepth - chamfer;
    Mesh mesh;
    addFacingMapped(mesh,
                    {{-topX, height, -topZ},
                     {topX, height, -topZ},
                     {topX, height, topZ},
                     {-topX, height, topZ}},
                    {{0.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, faceStart}, {0.0f, faceStart}}, {0, 1, 0});
    const glm::vec3 top[4] = {
        {-topX, height, -topZ}, {topX, height, -topZ}, {topX, height, topZ}, {-topX, height, topZ}};
    const glm::vec3 bottom[4] = {{-halfWidth, 0.0f, -halfDepth},
                                 {halfWidth, 0.0f, -halfDepth},
                                 {halfWidth, 0.0f, halfDepth},
                                 {-halfWidth, 0.0f, halfDepth}};
    for (int side = 0; side < 4; ++side) {
        const int next = (side + 1) % 4;
        const glm::vec3 middle = (bottom[side] + bottom[next]) * 0.5f;
        addFacingMapped(mesh, {bottom[side], bottom[next], top[next], top[side]},
                        {{0.0f, 0.01f}, {1.0f, 0.01f}, {1.0f, 0.11f}, {0.0f, 0.11f}},
                        {middle.x, 0.0f, middle.z});
    }
    return mesh;
}

} // namespace Vexmor::assetgen
