#pragma once

#include "levelcheck/LevelLayout.h"

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

// The geometry the autopilot steers by: where cells are in the world, where the player's
// body stands in the grid, and how far to turn toward a point.
namespace Vexmor::autoplay {

constexpr float cellSize = 2.5f;
// The player's capsule: its centre rides this far above his feet.
constexpr float bodyHalfHeight = 0.625f;
// The game turns the view half a degree per pixel of mouse movement.
constexpr float degreesPerPixel = 0.5f;

// The middle of a cell, at half its height.
glm::vec3 cellCentre(levelcheck::Cell cell);
// The cell a point lies in.
levelcheck::Cell cellOf(const glm::vec3& point);
// The ground plane's part of a point (x and z).
glm::vec2 flat(const glm::vec3& point);
// The cell the player's feet are in, from his body's centre. Feet a hair above a cell's
// floor count for that cell, so standing on a floor never reads as the cell below.
levelcheck::Cell cellOfBody(const glm::vec3& bodyCentre);
// Degrees to turn the view so that it looks along `toward` instead of `forward` (both on
// the ground plane): positive turns left, as a mouse moved left does. In (-180, 180].
float turnToward(const glm::vec2& forward, const glm::vec2& toward);
// The horizontal mouse movement that turns the view by `degrees`, at most `limit` pixels
// either way, so one frame never swings the view wildly.
int mousePixels(float degrees, int limit);

} // namespace Vexmor::autoplay
