#include "levelcheck/Walker.h"

#include "levelloader/BlockAlignedObject.h"

#include <algorithm>

namespace Vexmor::levelcheck {

namespace {

// The name a move gets from where it ended: a walk may end on a stair or further down.
Move named(Move intended, Cell target, Footing landedOn, const Place& landed) {
    if (intended != Move::Walk) {
        return intended;
    }
    if (landedOn == Footing::Ramp) {
        return landed.cell == target ? Move::Climb : Move::Descend;
    }
    return landed.cell.y < target.y ? Move::Drop : Move::Walk;
}

} // namespace

std::optional<Place> Walker::start(Cell startCell) const {
    const int era = levelloader::darkEra;
    if (!layout.contains(startCell) || layout.footing(startCell, era) != Footing::Open ||
        !onFloor(startCell)) {
        return std::nullopt;
    }
    return Place{startCell, era};
}

std::vector<Transition> Walker::movesFrom(const Place& at) const {
    std::vector<Transition> moves;
    const auto go = [&](Cell from, Cell to, Cell direction, Move move) {
        if (layout.doorBlocks(from, to, at.era)) {
            return;
        }
        if (const auto landed = walkInto(to, direction, at.era)) {
            const Footing footing = layout.footing(landed->cell, at.era);
            moves.push_back(
                {*landed, named(move, to, footing, *landed), layout.doorBetween(from, to)});
        }
    };
    if (layout.footing(at.cell, at.era) == Footing::Ramp) {
        // Up leaves the ramp at head height, through the cell above it.
        const Cell climb = layout.at(at.cell)->facing;
        go(at.cell + up, at.cell + up + climb, climb, Move::Climb);
        go(at.cell, at.cell - climb, -climb, Move::Descend);
    } else {
        for (const Cell& direction : walkDirections) {
            go(at.cell, at.cell + direction, direction, Move::Walk);
        }
    }
    if (const auto switched = switchEra(at)) {
        moves.push_back({*switched, Move::SwitchEra, std::nullopt});
    }
    return moves;
}

bool Walker::canUseMachine(const Place& at) const {
    if (layout.footing(at.cell, at.era) == Footing::Ramp) {
        return false;
    }
    const auto& machines = layout.timeMachines();
    return std::any_of(machines.begin(), machines.end(), [&](const Cell& machine) {
        const auto front = layout.machineFront(machine);
        return std::find(front.begin(), front.end(), at.cell) != front.end();
    });
}

std::optional<Place> Walker::walkInto(Cell cell, Cell direction, int era) const {
    if (!layout.contains(cell)) {
        return std::nullopt; // the level has no walls outside: he would fall for ever
    }
    switch (layout.footing(cell, era)) {
    case Footing::Rock:
        return std::nullopt;
    case Footing::Ramp:
        // Only from its foot; from the side it is a wall or a gap under the ramp.
        if (layout.at(cell)->facing == direction && headroom(cell, era)) {
            return Place{cell, era};
        }
        return std::nullopt;
    case Footing::Rubble:
        // Only from its low end: the high end is a step too tall to count on.
        if (layout.at(cell)->facing == direction && onFloor(cell)) {
            return Place{cell, era};
        }
        return std::nullopt;
    case Footing::Open:
        break;
    }
    // Over the top of a stair that climbs toward him: he walks down onto it.
    const Cell below = cell + down;
    if (layout.contains(below) && layout.footing(below, era) == Footing::Ramp &&
        layout.at(below)->facing == -direction) {
        return Place{below, era};
    }
    return settle(cell, era);
}

std::optional<Place> Walker::settle(Cell cell, int era) const {
    bool nearMachine = false;
    for (Cell column = cell;; column += down) {
        nearMachine = nearMachine || layout.besideMachine(column);
        const Cell below = column + down;
        if (!layout.contains(below)) {
            return std::nullopt;
        }
        switch (layout.footing(below, era)) {
        case Footing::Rock:
            // Falling past the machine's sphere may roll him into another cell.
            if (column != cell && nearMachine) {
                return std::nullopt;
            }
            return Place{column, era};
        case Footing::Open:
            continue;
        case Footing::Ramp:
        case Footing::Rubble:
            // A landing on a slope is left to chance.
            return std::nullopt;
        }
    }
}

// The other era's bodies appear around the player. Where a stair would appear in his cell
// the game keeps the era, so he switches only where nothing new appears, or where his
// stair or rubble disappears and he drops to the floor.
std::optional<Place> Walker::switchEra(const Place& at) const {
    const int other = 1 - at.era;
    const Footing now = layout.footing(at.cell, at.era);
    const Footing then = layout.footing(at.cell, other);
    switch (now) {
    case Footing::Ramp:
        if (then == Footing::Ramp) {
            return Place{at.cell, other};
        }
        return then == Footing::Open ? settle(at.cell, other) : std::nullopt;
    case Footing::Rubble:
        if (then == Footing::Open || then == Footing::Rubble) {
            return Place{at.cell, other};
        }
        return std::nullopt;
    case Footing::Open:
        if (then == Footing::Open) {
            return Place{at.cell, other};
        }
        return std::nullopt;
    case Footing::Rock:
        break;
    }
    return std::nullopt;
}

bool Walker::onFloor(Cell cell) const {
    return layout.isRock(cell + down);
}

bool Walker::headroom(Cell stair, int era) const {
    const Cell above = stair + up;
    return layout.contains(above) && layout.footing(above, era) == Footing::Open;
}

} // namespace Vexmor::levelcheck
