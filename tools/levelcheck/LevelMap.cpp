#include "levelcheck/LevelMap.h"

#include "hud/BitmapFont.h"
#include "levelcheck/LevelCheck.h"
#include "levelloader/BlockAlignedObject.h"
#include "levelloader/DoorBlock.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>

namespace Vexmor::levelcheck {

namespace {

constexpr int margin = 8;
constexpr int labelHeight = 20;
constexpr int legendSwatch = 14;
constexpr int legendEntryWidth = 170;
constexpr int legendRowHeight = 20;
const int eras[] = {levelloader::darkEra, levelloader::brightEra};

const hud::TextStyle labelStyle = hud::squareStyle(2, mapColour::text, {0, 0, 0, 0});

void fill(hud::RgbaImage& image, glm::ivec2 corner, glm::ivec2 size, const glm::vec4& colour) {
    image.fillRect(corner.x, corner.y, corner.x + size.x, corner.y + size.y, colour);
}

// A line `thickness` pixels wide, square-ended.
void line(hud::RgbaImage& image, glm::vec2 from, glm::vec2 to, int thickness,
          const glm::vec4& colour) {
    const int steps =
        static_cast<int>(std::ceil(std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)))) + 1;
    const int half = thickness / 2;
    for (int i = 0; i < steps; ++i) {
        const glm::vec2 at = steps == 1 ? from : from + (to - from) * (float(i) / float(steps - 1));
        const int x = static_cast<int>(std::lround(at.x)) - half;
        const int y = static_cast<int>(std::lround(at.y)) - half;
        image.fillRect(x, y, x + thickness, y + thickness, colour);
    }
}

void disc(hud::RgbaImage& image, glm::vec2 centre, float radius, const glm::vec4& colour) {
    for (int dy = -static_cast<int>(radius); dy <= static_cast<int>(radius); ++dy) {
        const float span = std::sqrt(radius * radius - float(dy * dy));
        const int y = static_cast<int>(std::lround(centre.y)) + dy;
        image.fillRect(static_cast<int>(std::lround(centre.x - span)), y,
                       static_cast<int>(std::lround(centre.x + span)) + 1, y + 1, colour);
    }
}

// A frame `thickness` pixels wide just inside a square.
void frame(hud::RgbaImage& image, glm::ivec2 corner, int size, int thickness,
           const glm::vec4& colour) {
    fill(image, corner, {size, thickness}, colour);
    fill(image, corner + glm::ivec2(0, size - thickness), {size, thickness}, colour);
    fill(image, corner, {thickness, size}, colour);
    fill(image, corner + glm::ivec2(size - thickness, 0), {thickness, size}, colour);
}

// An arrow across a square, pointing along `direction` on the map (x right, z down).
void arrow(hud::RgbaImage& image, glm::vec2 centre, float size, glm::vec2 direction,
           const glm::vec4& colour) {
    const glm::vec2 across{-direction.y, direction.x};
    const glm::vec2 tip = centre + direction * (size * 0.35f);
    line(image, centre - direction * (size * 0.35f), tip, 2, colour);
    line(image, tip, tip - (direction + across) * (size * 0.2f), 2, colour);
    line(image, tip, tip - (direction - across) * (size * 0.2f), 2, colour);
}

glm::vec4 doorColour(int state) {
    switch (state) {
    case 1:
        return mapColour::doorLocked;
    case 2:
        return mapColour::doorFallen;
    default:
        return mapColour::doorOpens;
    }
}

using Swatch = std::function<void(hud::RgbaImage&, glm::ivec2)>;

Swatch plain(const glm::vec4& colour) {
    return [colour](hud::RgbaImage& image, glm::ivec2 corner) {
        fill(image, corner, {legendSwatch, legendSwatch}, colour);
    };
}

Swatch withArrow(const glm::vec4& ground, const glm::vec4& colour) {
    return [ground, colour](hud::RgbaImage& image, glm::ivec2 corner) {
        fill(image, corner, {legendSwatch, legendSwatch}, ground);
        arrow(image, glm::vec2(corner) + glm::vec2(legendSwatch / 2), legendSwatch, {0, -1},
              colour);
    };
}

Swatch framed(int thickness, const glm::vec4& colour) {
    return [thickness, colour](hud::RgbaImage& image, glm::ivec2 corner) {
        fill(image, corner, {legendSwatch, legendSwatch}, mapColour::floor);
        frame(image, corner, legendSwatch, thickness, colour);
    };
}

const std::vector<std::pair<std::string, Swatch>>& legend() {
    static const std::vector<std::pair<std::string, Swatch>> entries = {
        {"ROCK", plain(mapColour::rock)},
        {"FLOOR", plain(mapColour::floor)},
        {"HOLE", plain(mapColour::hole)},
        {"STAIR UP", withArrow(mapColour::ramp, mapColour::stairArrow)},
        {"RUBBLE", plain(mapColour::rubble)},
        {"NO STAIR", withArrow(mapColour::floor, mapColour::missingArrow)},
        {"DOOR OPENS", plain(mapColour::doorOpens)},
        {"DOOR LOCKED", plain(mapColour::doorLocked)},
        {"DOOR FALLEN", plain(mapColour::doorFallen)},
        {"DOORWAY", plain(mapColour::doorway)},
        {"BALL", plain(mapColour::ball)},
        {"MACHINE", plain(mapColour::machine)},
        {"USED FROM", plain(mapColour::machineUse)},
        {"START", plain(mapColour::start)},
        {"ROUTE", plain(mapColour::route)},
        {"ROUTE SWITCH", framed(3, mapColour::routeSwitch)},
        {"SWITCH PLACE", framed(1, mapColour::switchPlace)},
    };
    return entries;
}

} // namespace

LevelMap::LevelMap(const LevelLayout& layout, std::optional<Cell> start,
                   const LevelMeasures& measures)
    : layout(layout), start(start), measures(measures) {
    std::set<int> named;
    for (const auto& [cell, content] : layout.namedCells()) {
        named.insert(cell.y);
    }
    floors.assign(named.begin(), named.end());
}

int LevelMap::panelWidth() const {
    return layout.gridSize().x * cellSize;
}

int LevelMap::rowHeight() const {
    return labelHeight + layout.gridSize().z * cellSize + margin;
}

int LevelMap::legendHeight() const {
    const int width = 3 * margin + 2 * panelWidth();
    const int columns = std::max(1, (width - 2 * margin) / legendEntryWidth);
    const int entries = static_cast<int>(legend().size());
    return (entries + columns - 1) / columns * legendRowHeight + margin;
}

glm::ivec2 LevelMap::cellCorner(Cell cell, int era) const {
    const auto row = std::find(floors.begin(), floors.end(), cell.y) - floors.begin();
    const int left = margin + (era == levelloader::darkEra ? 0 : panelWidth() + margin);
    const int top = margin + static_cast<int>(row) * rowHeight() + labelHeight;
    return {left + cell.x * cellSize, top + cell.z * cellSize};
}

glm::ivec2 LevelMap::cellCentre(Cell cell, int era) const {
    return cellCorner(cell, era) + glm::ivec2(cellSize / 2);
}

hud::RgbaImage LevelMap::draw() const {
    const int width = 3 * margin + 2 * panelWidth();
    const int rows = static_cast<int>(floors.size()) * rowHeight();
    hud::RgbaImage image(width, margin + rows + legendHeight());
    image.fillRect(0, 0, image.width(), image.height(), mapColour::background);
    for (const int floor : floors) {
        for (const int era : eras) {
            drawPanel(image, floor, era);
        }
    }
    drawRoute(image);
    drawLegend(image, margin + rows);
    return image;
}

void LevelMap::drawPanel(hud::RgbaImage& image, int floor, int era) const {
    const glm::ivec2 corner = cellCorner({0, floor, 0}, era);
    hud::drawText(image, "Y=" + std::to_string(floor) + " " + eraName(era), corner.x,
                  corner.y - labelHeight + 2, labelStyle);
    const Cell size = layout.gridSize();
    fill(image, corner, {size.x * cellSize, size.z * cellSize}, mapColour::rock);
    for (const auto& [cell, content] : layout.namedCells()) {
        if (cell.y == floor) {
            drawCell(image, cell, era);
        }
    }
    for (const Cell& machine : layout.timeMachines()) {
        if (machine.y == floor) {
            drawMachine(image, machine, era);
        }
    }
    for (const Cell& ball : layout.balls()) {
        if (ball.y == floor) {
            disc(image, cellCentre(ball, era), cellSize * 0.3f, mapColour::ball);
        }
    }
    if (start && start->y == floor && era == levelloader::darkEra) {
        const glm::ivec2 at = cellCentre(*start, era) - glm::ivec2(cellSize / 4);
        fill(image, at, glm::ivec2(cellSize / 2), mapColour::start);
    }
}

void LevelMap::drawCell(hud::RgbaImage& image, Cell cell, int era) const {
    const CellContent& content = *layout.at(cell);
    const glm::ivec2 corner = cellCorner(cell, era);
    const glm::vec2 centre = cellCentre(cell, era);
    const Footing footing = layout.footing(cell, era);
    const bool floored = layout.isRock(cell + down);
    glm::vec4 ground = mapColour::floor;
    if (footing == Footing::Ramp) {
        ground = mapColour::ramp;
    } else if (footing == Footing::Rubble) {
        ground = mapColour::rubble;
    } else if (!floored) {
        ground = mapColour::hole;
    }
    if (content.type == CellContent::Type::Door) {
        ground = doorColour(levelloader::DoorBlock::doorState(content.doorKind, era));
    }
    fill(image, corner, glm::ivec2(cellSize), ground);
    // A hairline between cells keeps rooms countable.
    frame(image, corner, cellSize, 1, ground * glm::vec4(0.85f, 0.85f, 0.85f, 1.0f));

    const glm::vec2 facing{content.facing.x, content.facing.z};
    if (content.type == CellContent::Type::Stair) {
        arrow(image, centre, cellSize, facing,
              footing == Footing::Ramp ? mapColour::stairArrow : mapColour::missingArrow);
    } else if (content.type == CellContent::Type::Door) {
        // The doorway: a bar along the face it fills, and the kind in the middle.
        const glm::vec2 edge = centre + facing * (cellSize * 0.5f - 2.0f);
        const glm::vec2 along{facing.y, facing.x};
        line(image, edge - along * (cellSize * 0.5f), edge + along * (cellSize * 0.5f - 1.0f), 4,
             mapColour::doorway);
        const hud::TextStyle kind = hud::squareStyle(2, mapColour::doorway, {0, 0, 0, 0});
        hud::drawCentredText(image, std::to_string(content.doorKind), static_cast<int>(centre.x),
                             static_cast<int>(centre.y) - hud::textHeight(kind) / 2, kind);
    }
}

void LevelMap::drawMachine(hud::RgbaImage& image, Cell machine, int era) const {
    for (const Cell& cell : layout.machineFront(machine)) {
        fill(image, cellCorner(cell, era) + glm::ivec2(3), glm::ivec2(cellSize - 6),
             mapColour::machineUse);
    }
    // It stands at its cell's +x+z corner.
    disc(image, glm::vec2(cellCorner(machine, era) + glm::ivec2(cellSize)), cellSize * 0.45f,
         mapColour::machine);
}

void LevelMap::drawRoute(hud::RgbaImage& image) const {
    if (!measures.route) {
        return;
    }
    for (const Place& place : measures.optimalSwitches) {
        frame(image, cellCorner(place.cell, place.era) + glm::ivec2(2), cellSize - 4, 1,
              mapColour::switchPlace);
    }
    Place at = measures.route->start;
    for (const Transition& step : measures.route->steps) {
        if (step.move == Move::SwitchEra) {
            for (const Place& place : {at, step.to}) {
                frame(image, cellCorner(place.cell, place.era), cellSize, 3,
                      mapColour::routeSwitch);
            }
        } else if (at.cell.y == step.to.cell.y) {
            line(image, cellCentre(at.cell, at.era), cellCentre(step.to.cell, step.to.era), 3,
                 mapColour::route);
        } else {
            // Between floors: half way on the floor left, the rest on the floor reached.
            const glm::vec2 half =
                glm::vec2(step.to.cell.x - at.cell.x, step.to.cell.z - at.cell.z) *
                (cellSize * 0.5f);
            const glm::vec2 from = cellCentre(at.cell, at.era);
            const glm::vec2 to = cellCentre(step.to.cell, step.to.era);
            line(image, from, from + half, 3, mapColour::route);
            line(image, to - half, to, 3, mapColour::route);
        }
        at = step.to;
    }
}

void LevelMap::drawLegend(hud::RgbaImage& image, int top) const {
    const int columns = std::max(1, (image.width() - 2 * margin) / legendEntryWidth);
    int index = 0;
    for (const auto& [label, swatch] : legend()) {
        const glm::ivec2 corner{margin + index % columns * legendEntryWidth,
                                top + index / columns * legendRowHeight};
        swatch(image, corner);
        hud::drawText(image, label, corner.x + legendSwatch + 4, corner.y, labelStyle);
        ++index;
    }
}

} // namespace Vexmor::levelcheck
