#include "autoplay/Course.h"

#include "autoplay/Steering.h"

namespace Vexmor::autoplay {

std::vector<Leg> planCourse(const levelcheck::Route& route, const levelcheck::LevelLayout& layout) {
    std::vector<Leg> legs;
    levelcheck::Place at = route.start;
    for (std::size_t move = 0; move < route.steps.size(); ++move) {
        const levelcheck::Transition& step = route.steps[move];
        if (step.move == levelcheck::Move::SwitchEra) {
            Leg leg;
            leg.kind = Leg::Kind::SwitchEra;
            leg.move = move;
            leg.arrival = step.to;
            leg.target = flat(cellCentre(step.to.cell));
            legs.push_back(leg);
            at = step.to;
            continue;
        }
        if (step.door) {
            const levelcheck::CellContent* door = layout.at(*step.door);
            Leg leg;
            leg.kind = Leg::Kind::OpenDoor;
            leg.move = move;
            leg.arrival = at;
            leg.door = *step.door;
            leg.doorway = flat(cellCentre(*step.door)) +
                          glm::vec2(door->facing.x, door->facing.z) * (cellSize / 2.0f);
            const levelcheck::Cell across = step.to.cell - at.cell;
            leg.through = glm::vec2(across.x, across.z);
            // In the door's own cell, into which its leaf swings.
            leg.leafSwingsToward = at.cell.x == step.door->x && at.cell.z == step.door->z;
            leg.target = leg.doorway - leg.through * 0.75f;
            legs.push_back(leg);
        }
        Leg leg;
        leg.move = move;
        leg.arrival = step.to;
        leg.target = flat(cellCentre(step.to.cell));
        legs.push_back(leg);
        at = step.to;
    }
    Leg machine;
    machine.kind = Leg::Kind::UseMachine;
    machine.move = route.steps.size();
    machine.arrival = at;
    machine.target = flat(cellCentre(at.cell));
    legs.push_back(machine);
    return legs;
}

} // namespace Vexmor::autoplay
