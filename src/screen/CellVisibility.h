#pragma once

#include "screen/ViewFrustum.h"

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include <cstdint>
#include <vector>

namespace Vexmor::screen {

// Which cells of a level the camera can see into: rays cast across the view walk the grid
// through open cells until rock stops them. A cell beside an open cell that a ray crossed
// counts as seen too, so the panels on its faces and whatever shows through a sliver
// between two rays are kept. Outside the grid is rock.
class CellVisibility {
public:
    static constexpr float cellSize = 2.5f;
    // Steps between the rays up the view: the outermost rays run along the view's edges, so
    // there is one ray more than steps. Across it the steps are as far apart (64 at 4:3).
    // Even a 70-degree view leaves the rays under a third of a cell apart at its far plane,
    // so the cells marked around them still close every sliver between them.
    static constexpr int rows = 48;

    // Open cells in grid units; any outside the dimensions are left out.
    CellVisibility(std::int32_t xDim, std::int32_t yDim, std::int32_t zDim,
                   const std::vector<glm::ivec3>& openCells);

    // Looks again from a camera (its world matrix) through `view`. A camera that stands
    // outside the open cells (in rock, outside the grid) sees everything until it is back.
    void lookFrom(const glm::mat4& camera, const ViewFrustum& view = ViewFrustum());
    // Whether any cell that a bounding sphere reaches into was seen at the last look.
    // Spheres wider than two cells, or centred outside the grid, count as seen.
    bool sees(const glm::vec3& centre, float radius) const;

private:
    static glm::ivec3 cellOf(const glm::vec3& point);
    bool inside(const glm::ivec3& cell) const;
    std::size_t index(const glm::ivec3& cell) const;
    bool isOpen(const glm::ivec3& cell) const;
    void markAround(const glm::ivec3& cell);
    void castRay(const glm::vec3& origin, const glm::vec3& direction, float farDistance);

    glm::ivec3 dimensions;
    std::vector<bool> open;
    // A cell was seen at the last look when its stamp equals `look`; no clearing per look.
    std::vector<std::uint32_t> seenAt;
    std::uint32_t look = 0;
    bool seesEverything = true;
};

} // namespace Vexmor::screen
