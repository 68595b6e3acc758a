#pragma once

#include "levelcheck/LevelLayout.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace Vexmor::levelcheck {

// Where the player rests: on the floor of a cell, on rubble, or on an intact stair in it.
struct Place {
    Cell cell;
    int era;

    bool operator==(const Place& other) const { return cell == other.cell && era == other.era; }
};

struct PlaceHash {
    std::size_t operator()(const Place& place) const {
        return CellHash()(place.cell) * 2 + static_cast<std::size_t>(place.era);
    }
};

enum class Move { Walk, Drop, Climb, Descend, SwitchEra };

struct Transition {
    Place to;
    Move move;
    // The door whose doorway the move passes, if any.
    std::optional<Cell> door;
};

// The moves a player surely can make, cell by cell. Anything that needs skill or luck is
// left out (jumping a gap, landing on a stair from above, switching the era while a stair
// appears where he stands), so a level it can finish is one every player can finish.
// Balls are left out as well: far too heavy to push, they are small enough to walk round
// in a cell.
class Walker {
public:
    explicit Walker(const LevelLayout& layout) : layout(layout) {}

    // Where the player comes to rest in the dark era, where every level starts.
    std::optional<Place> start(Cell startCell) const;
    std::vector<Transition> movesFrom(const Place& at) const;
    // Standing in front of a time machine, close enough to use it.
    bool canUseMachine(const Place& at) const;

private:
    // Arriving in a cell by moving in a direction: on its floor, on a stair, or further
    // down after a fall.
    std::optional<Place> walkInto(Cell cell, Cell direction, int era) const;
    // Straight down from an open cell to the first floor.
    std::optional<Place> settle(Cell cell, int era) const;
    std::optional<Place> switchEra(const Place& at) const;
    bool onFloor(Cell cell) const;
    bool headroom(Cell stair, int era) const;

    const LevelLayout& layout;
};

} // namespace Vexmor::levelcheck
