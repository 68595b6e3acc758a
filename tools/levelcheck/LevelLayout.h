#pragma once

#include "levelloader/LevelSink.h"

#include <glm/vec3.hpp>

#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

namespace Vexmor::levelcheck {

using Cell = glm::ivec3;

struct CellHash {
    std::size_t operator()(const Cell& cell) const {
        std::size_t seed = 0;
        for (const int coordinate : {cell.x, cell.y, cell.z}) {
            seed = seed * 1000003u ^ std::hash<int>()(coordinate);
        }
        return seed;
    }
};

const Cell up{0, 1, 0};
const Cell down{0, -1, 0};
// The four ways the player can walk, in the order routes try them.
const Cell walkDirections[] = {{1, 0, 0}, {-1, 0, 0}, {0, 0, 1}, {0, 0, -1}};

// What a named cell holds. Cells nobody names are rock.
struct CellContent {
    enum class Type { Air, Door, Stair, TimeMachine };
    Type type = Type::Air;
    // Door: the neighbour its doorway leads to. Stair: the way it climbs.
    // Time machine: from its corner toward the point where it is used.
    Cell facing{0, 0, 0};
    int doorKind = 0;
    int stairCondition = 0;
    int withBlock = 0;
};

// What the player's feet meet in a cell in one era.
enum class Footing {
    Rock,
    Open,   // nothing to stand on inside the cell; the floor is the cell below
    Ramp,   // an intact stair
    Rubble, // a ruined stair's low slope (only with a block under it)
};

// The level as the checker sees it, built from what the game's loader hands over: the
// grid size, the player's start, every named cell and the balls.
class LevelLayout : public levelloader::LevelSink {
public:
    void itemCreated(levelloader::Item& item) override;
    void blockCreated(levelloader::BlockObject& block) override;

    void setSize(Cell cells) { size = cells; }
    Cell gridSize() const { return size; }
    bool contains(Cell cell) const;
    // Inside the grid and named by nobody.
    bool isRock(Cell cell) const { return contains(cell) && at(cell) == nullptr; }
    // Null for rock and for cells outside the grid.
    const CellContent* at(Cell cell) const;
    // Rock outside the grid too; callers that care ask contains() first.
    Footing footing(Cell cell, int era) const;
    // A locked door in the face between two neighbouring cells.
    bool doorBlocks(Cell from, Cell to, int era) const;
    // The door whose doorway lies in the face between two neighbouring cells, if any.
    std::optional<Cell> doorBetween(Cell from, Cell to) const;

    // Named cells in x, y, z order, with what they hold.
    const std::vector<std::pair<Cell, CellContent>>& namedCells() const { return named; }
    const std::vector<Cell>& timeMachines() const { return machines; }
    const std::vector<Cell>& balls() const { return ballCells; }
    // The four cells around a machine's corner at its level.
    static std::vector<Cell> machineCorner(Cell machine);
    // The two of them in front of the machine, where the player can use it.
    std::vector<Cell> machineFront(Cell machine) const;
    // True for cells around any machine's corner.
    bool besideMachine(Cell cell) const;

private:
    Cell size{0, 0, 0};
    std::vector<std::pair<Cell, CellContent>> named;
    std::unordered_map<Cell, std::size_t, CellHash> index;
    std::vector<Cell> machines;
    std::vector<Cell> ballCells;
};

} // namespace Vexmor::levelcheck
