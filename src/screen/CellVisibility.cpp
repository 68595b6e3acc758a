#include "screen/CellVisibility.h"

#include <glm/common.hpp>
#include <glm/geometric.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Vexmor::screen {

CellVisibility::CellVisibility(std::int32_t xDim, std::int32_t yDim, std::int32_t zDim,
                               const std::vector<glm::ivec3>& openCells)
    : dimensions(std::max(xDim, 0), std::max(yDim, 0), std::max(zDim, 0)) {
    const std::size_t count =
        std::size_t(dimensions.x) * std::size_t(dimensions.y) * std::size_t(dimensions.z);
    open.assign(count, false);
    seenAt.assign(count, 0);
    for (const glm::ivec3& cell : openCells) {
        if (inside(cell)) {
            open[index(cell)] = true;
        }
    }
}

glm::ivec3 CellVisibility::cellOf(const glm::vec3& point) {
    // Far outside any grid, but still an integer: something flung out of the level
    // must not overflow the conversion.
    constexpr float limit = 1.0e9f;
    return glm::ivec3(glm::clamp(glm::floor(point / cellSize), -limit, limit));
}

bool CellVisibility::inside(const glm::ivec3& cell) const {
    return glm::all(glm::greaterThanEqual(cell, glm::ivec3(0))) &&
           glm::all(glm::lessThan(cell, dimensions));
}

std::size_t CellVisibility::index(const glm::ivec3& cell) const {
    return (std::size_t(cell.x) * std::size_t(dimensions.y) + std::size_t(cell.y)) *
               std::size_t(dimensions.z) +
           std::size_t(cell.z);
}

bool CellVisibility::isOpen(const glm::ivec3& cell) const {
    return inside(cell) && open[index(cell)];
}

void CellVisibility::markAround(const glm::ivec3& cell) {
    seenAt[index(cell)] = look;
    for (int axis = 0; axis < 3; ++axis) {
        for (const int side : {-1, 1}) {
            glm::ivec3 neighbour = cell;
            neighbour[axis] += side;
            if (inside(neighbour)) {
                seenAt[index(neighbour)] = look;
            }
        }
    }
}

void CellVisibility::lookFrom(const glm::mat4& camera, const ViewFrustum& view) {
    const glm::vec3 eye(camera[3]);
    seesEverything = !isOpen(cellOf(eye));
    if (seesEverything) {
        return;
    }
    if (++look == 0) {
        std::fill(seenAt.begin(), seenAt.end(), 0);
        look = 1;
    }
    const glm::vec3 right = glm::normalize(glm::vec3(camera[0]));
    const glm::vec3 up = glm::normalize(glm::vec3(camera[1]));
    const glm::vec3 forward = -glm::normalize(glm::vec3(camera[2]));
    const float halfHeight = view.halfHeightSlope();
    const float halfWidth = view.halfWidthSlope();
    const int columns = static_cast<int>(std::ceil(float(rows) * view.getAspect()));
    const float farDistance = ViewFrustum::farDistance;
    for (int row = 0; row <= rows; ++row) {
        const float v = (2.0f * float(row) / float(rows) - 1.0f) * halfHeight;
        for (int column = 0; column <= columns; ++column) {
            const float u = (2.0f * float(column) / float(columns) - 1.0f) * halfWidth;
            const glm::vec3 direction = forward + right * u + up * v;
            // The view ends at a plane, so rays towards its edges reach further.
            const float length = glm::length(direction);
            castRay(eye, direction / length, farDistance * length);
        }
    }
}

// Walks the cells along the ray in the order it enters them (a grid traversal in cell
// units) and stops at rock or at the end of the view.
void CellVisibility::castRay(const glm::vec3& origin, const glm::vec3& direction,
                             float farDistance) {
    const glm::vec3 start = origin / cellSize;
    glm::ivec3 cell = cellOf(origin);
    glm::ivec3 step(0);
    glm::vec3 nextBorder(std::numeric_limits<float>::infinity());
    glm::vec3 border(std::numeric_limits<float>::infinity());
    for (int axis = 0; axis < 3; ++axis) {
        if (direction[axis] > 0.0f) {
            step[axis] = 1;
            border[axis] = 1.0f / direction[axis];
            nextBorder[axis] = (float(cell[axis]) + 1.0f - start[axis]) * border[axis];
        } else if (direction[axis] < 0.0f) {
            step[axis] = -1;
            border[axis] = -1.0f / direction[axis];
            nextBorder[axis] = (start[axis] - float(cell[axis])) * border[axis];
        }
    }
    const float reach = farDistance / cellSize;
    while (isOpen(cell)) {
        markAround(cell);
        const int axis = nextBorder.x < nextBorder.y ? (nextBorder.x < nextBorder.z ? 0 : 2)
                                                     : (nextBorder.y < nextBorder.z ? 1 : 2);
        if (nextBorder[axis] > reach) {
            return;
        }
        cell[axis] += step[axis];
        nextBorder[axis] += border[axis];
    }
}

bool CellVisibility::sees(const glm::vec3& centre, float radius) const {
    if (seesEverything || radius > 2.0f * cellSize || !inside(cellOf(centre))) {
        return true;
    }
    const glm::ivec3 low = cellOf(centre - radius);
    const glm::ivec3 high = cellOf(centre + radius);
    for (int x = low.x; x <= high.x; ++x) {
        for (int y = low.y; y <= high.y; ++y) {
            for (int z = low.z; z <= high.z; ++z) {
                const glm::ivec3 cell(x, y, z);
                if (inside(cell) && seenAt[index(cell)] == look) {
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace Vexmor::screen
