#pragma once

#include "mesh/Mesh.h"

namespace Vexmor::assetgen {

// Adds a flat convex polygon, turned so its face looks toward `outward`.
void addFacing(Mesh& mesh, std::vector<glm::vec3> points, const glm::vec3& outward,
               UvProjection projection = cellProjection);

// A box whose every face shows the whole of `rect`.
Mesh boxMapped(const glm::vec3& low, const glm::vec3& high, const UvRect& rect);

// A box shaded as if its edges were rounded: normals lean toward the corners.
Mesh cushion(const glm::vec3& low, const glm::vec3& high, const UvRect& rect);

// Moves every vertex by a small amount that depends only on where it is, so a closed
// piece stays closed but looks chipped and worn; then gives each face its own normal.
void roughen(Mesh& mesh, float amount, std::uint32_t seed);

// Pulls stray vertices back into the box (roughened pieces must not poke through the
// neighbouring cells' walls and floor) and refaces the mesh.
void keepInside(Mesh& mesh, const glm::vec3& low, const glm::vec3& high);

// A lumpy, faceted stone with half sizes `size`, centred on the origin.
Mesh stone(const glm::vec3& size, std::uint32_t seed);

} // namespace Vexmor::assetgen
