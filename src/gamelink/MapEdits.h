#pragma once

#include <utility>

#include "gamedata/MarkPlacement.h"
#include "model/Mission.h"

namespace qv {

// The changes the route map makes to a mission, each one step of its history through the
// mission's own edit path. The start point is MissionPart::Parameters (row 0); numbers written
// into the rows read as the capture writes them ("1234.50").

// How a mark is put down: where the user let it go, whether it snaps to the roads and how far
// it may look for a road node then.
struct MarkDrop {
    WorldPoint wanted;
    bool snap = false;
    double snapReach = 0;
};

// The neighbours on the route of checkpoint row `row`; with `inserting`, of a checkpoint about
// to be inserted as row `row`. A circuit's first and last checkpoints are neighbours; a
// checkpoint whose place is no number is none.
RouteNeighbours routeNeighbours(const Mission& mission, int row, bool inserting);

// Where mark (`part`, `row`) would go, put down as `drop` says; the mission does not change.
MarkPlace markPlace(const Mission& mission, const RoadNetwork& roads, MissionPart part, int row,
                    const MarkDrop& drop);
// Puts mark (`part`, `row`) down as `drop` says ("перемещение чекпоинта 12"); returns where.
MarkPlace moveMark(Mission& mission, const RoadNetwork& roads, MissionPart part, int row,
                   const MarkDrop& drop);
// Turns the car or object of row `row` to `heading` degrees ("поворот машины 3").
void turnMark(Mission& mission, MissionPart part, int row, double heading);
// Adds a car, checkpoint or object with the add dialog's defaults, put down as `drop` says, as
// row `row` (past the end: appended), as the add dialog does; returns its row and its place.
// A 101st row is refused with the trees' Error.
std::pair<int, MarkPlace> addMark(Mission& mission, const RoadNetwork& roads, MissionPart part,
                                  int row, const MarkDrop& drop);

}  // namespace qv
