#include "levelcheck/LevelLayout.h"

#include "levelloader/Air.h"
#include "levelloader/BallItem.h"
#include "levelloader/DoorBlock.h"
#include "levelloader/StairBlock.h"
#include "levelloader/TimeMachineBlock.h"

#include <glm/vec4.hpp>

#include <algorithm>
#include <cmath>

namespace Vexmor::levelcheck {

using levelloader::BlockObject;

namespace {

// A local direction of the block's model, turned the way the game turns the block.
Cell turned(const BlockObject& block, int orientation, glm::vec3 local) {
    const glm::vec4 world = block.orientationRotation(orientation) * glm::vec4(local, 0.0f);
    return {static_cast<int>(std::lround(world.x)), 0, static_cast<int>(std::lround(world.z))};
}

} // namespace

void LevelLayout::itemCreated(levelloader::Item& item) {
    if (dynamic_cast<levelloader::BallItem*>(&item) != nullptr) {
        ballCells.emplace_back(item.x, item.y, item.z);
    }
}

void LevelLayout::blockCreated(BlockObject& block) {
    CellContent content;
    if (const auto* door = dynamic_cast<const levelloader::DoorBlock*>(&block)) {
        content.type = CellContent::Type::Door;
        content.doorKind = door->doorKind;
        // The doorway is the +z face of the unturned block.
        content.facing = turned(block, door->orientation, {0.0f, 0.0f, 1.0f});
    } else if (const auto* stair = dynamic_cast<const levelloader::StairBlock*>(&block)) {
        content.type = CellContent::Type::Stair;
        content.stairCondition = stair->stairCondition;
        content.withBlock = stair->withBlock;
        // The unturned ramp rises toward -z.
        content.facing = turned(block, stair->orientation, {0.0f, 0.0f, -1.0f});
    } else if (const auto* machine = dynamic_cast<const levelloader::TimeMachineBlock*>(&block)) {
        content.type = CellContent::Type::TimeMachine;
        // It is used from one unit in front of it, +z before the turn.
        content.facing = turned(block, machine->orientation, {0.0f, 0.0f, 1.0f});
        machines.emplace_back(block.x, block.y, block.z);
    } else if (dynamic_cast<const levelloader::Air*>(&block) == nullptr) {
        return; // rock, handed over only because a face of it is open
    }
    const Cell cell{block.x, block.y, block.z};
    index.emplace(cell, named.size());
    named.emplace_back(cell, content);
}

bool LevelLayout::contains(Cell cell) const {
    return cell.x >= 0 && cell.y >= 0 && cell.z >= 0 && cell.x < size.x && cell.y < size.y &&
           cell.z < size.z;
}

const CellContent* LevelLayout::at(Cell cell) const {
    if (!contains(cell)) {
        return nullptr;
    }
    const auto found = index.find(cell);
    return found == index.end() ? nullptr : &named[found->second].second;
}

Footing LevelLayout::footing(Cell cell, int era) const {
    const CellContent* content = at(cell);
    if (content == nullptr) {
        return Footing::Rock;
    }
    if (content->type != CellContent::Type::Stair) {
        return Footing::Open;
    }
    const auto appearance = levelloader::StairBlock::appearance(content->stairCondition, era);
    if (!appearance) {
        return Footing::Open;
    }
    const bool intact = *appearance == 0 || *appearance == 1;
    if (intact) {
        return Footing::Ramp;
    }
    // A ruined stair has a body only when it stands on its block.
    return content->withBlock != 0 ? Footing::Rubble : Footing::Open;
}

std::optional<Cell> LevelLayout::doorBetween(Cell from, Cell to) const {
    for (const auto& [cell, other] : {std::pair{from, to}, std::pair{to, from}}) {
        const CellContent* content = at(cell);
        if (content != nullptr && content->type == CellContent::Type::Door &&
            cell + content->facing == other) {
            return cell;
        }
    }
    return std::nullopt;
}

bool LevelLayout::doorBlocks(Cell from, Cell to, int era) const {
    // Two doorways may share a face; either one locked closes it.
    for (const auto& [cell, other] : {std::pair{from, to}, std::pair{to, from}}) {
        const CellContent* content = at(cell);
        if (content != nullptr && content->type == CellContent::Type::Door &&
            cell + content->facing == other &&
            levelloader::DoorBlock::doorState(content->doorKind, era) == 1) {
            return true;
        }
    }
    return false;
}

std::vector<Cell> LevelLayout::machineCorner(Cell machine) {
    return {machine, machine + Cell{1, 0, 0}, machine + Cell{0, 0, 1}, machine + Cell{1, 0, 1}};
}

std::vector<Cell> LevelLayout::machineFront(Cell machine) const {
    const CellContent* content = at(machine);
    std::vector<Cell> front;
    for (const Cell& cell : machineCorner(machine)) {
        // Each corner cell's centre lies half a cell from the corner on both axes.
        const Cell offset = (cell - machine) * 2 - Cell{1, 0, 1};
        if (offset.x * content->facing.x + offset.z * content->facing.z > 0) {
            front.push_back(cell);
        }
    }
    return front;
}

bool LevelLayout::besideMachine(Cell cell) const {
    return std::any_of(machines.begin(), machines.end(), [&](const Cell& machine) {
        const Cell offset = cell - machine;
        return offset.y == 0 && (offset.x == 0 || offset.x == 1) &&
               (offset.z == 0 || offset.z == 1);
    });
}

} // namespace Vexmor::levelcheck
