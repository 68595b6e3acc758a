#pragma once

#include "hud/RgbaImage.h"
#include "levelcheck/LevelMeasures.h"

#include <glm/vec2.hpp>
#include <glm/vec4.hpp>

#include <optional>
#include <vector>

namespace Vexmor::levelcheck {

// The colours of the map, so a reader of the picture (or a test) can tell things apart.
namespace mapColour {
const glm::vec4 background{0.12f, 0.12f, 0.14f, 1.0f};
const glm::vec4 text{0.92f, 0.92f, 0.92f, 1.0f};
const glm::vec4 rock{0.30f, 0.30f, 0.33f, 1.0f};
const glm::vec4 floor{0.88f, 0.88f, 0.84f, 1.0f};
// Open, with nothing under it to stand on: the player falls through.
const glm::vec4 hole{0.55f, 0.60f, 0.70f, 1.0f};
const glm::vec4 ramp{0.84f, 0.70f, 0.43f, 1.0f};
const glm::vec4 rubble{0.58f, 0.49f, 0.37f, 1.0f};
const glm::vec4 stairArrow{0.35f, 0.22f, 0.08f, 1.0f};
// The arrow of a stair the era does not have.
const glm::vec4 missingArrow{0.72f, 0.62f, 0.50f, 1.0f};
const glm::vec4 doorOpens{0.40f, 0.70f, 0.38f, 1.0f};
const glm::vec4 doorLocked{0.80f, 0.25f, 0.22f, 1.0f};
const glm::vec4 doorFallen{0.90f, 0.72f, 0.25f, 1.0f};
const glm::vec4 doorway{0.10f, 0.10f, 0.10f, 1.0f};
const glm::vec4 ball{0.22f, 0.36f, 0.88f, 1.0f};
const glm::vec4 machine{0.55f, 0.25f, 0.78f, 1.0f};
// The cells the machine is used from.
const glm::vec4 machineUse{0.82f, 0.70f, 0.95f, 1.0f};
const glm::vec4 start{0.10f, 0.60f, 0.30f, 1.0f};
const glm::vec4 route{1.00f, 0.42f, 0.00f, 1.0f};
const glm::vec4 routeSwitch{0.00f, 0.45f, 1.00f, 1.0f};
const glm::vec4 switchPlace{0.35f, 0.68f, 1.00f, 1.0f};
} // namespace mapColour

// A top-down picture of a level: a row per floor that holds a named cell, the dark era on
// the left and the bright on the right, x to the right and z downward like the maps in the
// level files' comments; the route and the switch places on top, a legend at the bottom.
class LevelMap {
public:
    static constexpr int cellSize = 24;

    // Without a route (the measures of a level that can't be finished) the map shows the
    // level alone.
    LevelMap(const LevelLayout& layout, std::optional<Cell> start, const LevelMeasures& measures);

    hud::RgbaImage draw() const;
    // The pixel at the middle of a cell on its floor's panel for an era.
    glm::ivec2 cellCentre(Cell cell, int era) const;

private:
    glm::ivec2 cellCorner(Cell cell, int era) const;
    void drawPanel(hud::RgbaImage& image, int floor, int era) const;
    void drawCell(hud::RgbaImage& image, Cell cell, int era) const;
    void drawMachine(hud::RgbaImage& image, Cell machine, int era) const;
    void drawRoute(hud::RgbaImage& image) const;
    void drawLegend(hud::RgbaImage& image, int top) const;
    int legendHeight() const;
    int panelWidth() const;
    int rowHeight() const;

    const LevelLayout& layout;
    std::optional<Cell> start;
    const LevelMeasures& measures;
    // The floors drawn, bottom first.
    std::vector<int> floors;
};

} // namespace Vexmor::levelcheck
