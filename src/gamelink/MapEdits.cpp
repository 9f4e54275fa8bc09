#include "gamelink/MapEdits.h"

#include <algorithm>
#include <optional>

#include "gamelink/PositionCapture.h"
#include "gamelink/RecordedRouteEdit.h"
#include "model/NumberText.h"

namespace qv {
namespace {

std::string number(double value) {
    return fixedTwoDecimals(static_cast<float>(value));
}

std::optional<GroundPoint> groundOf(const CheckpointEntry& checkpoint) {
    const std::optional<double> x = numberValue(checkpoint.X);
    const std::optional<double> y = numberValue(checkpoint.Y);
    const std::optional<double> z = numberValue(checkpoint.Z);
    if (!x || !y || !z) {
        return std::nullopt;
    }
    return GroundPoint{*x, *y, *z};
}

// Row `row` as a neighbour: its number and place, or row 0 when it has no place.
void neighbour(const Mission& mission, int row, int& neighbourRow, GroundPoint& at) {
    if (row < 1 || row > mission.checkpointCount()) {
        return;
    }
    if (const std::optional<GroundPoint> ground = groundOf(mission.checkpoint(row))) {
        neighbourRow = row;
        at = *ground;
    }
}

// `place` written into the texts of `old`: the height stays the mark's own unless it came from
// somewhere.
RowPlace written(const MarkPlace& place, RowPlace old) {
    old.x = number(place.at.x);
    old.y = number(place.at.y);
    if (place.height != HeightSource::Own) {
        old.z = number(place.z);
    }
    return old;
}

// `entry` put at `place`.
template <typename Entry>
Entry placed(Entry entry, const MarkPlace& place) {
    const RowPlace at = written(place, {entry.X, entry.Y, entry.Z, {}});
    entry.X = at.x;
    entry.Y = at.y;
    entry.Z = at.z;
    return entry;
}

MarkPlace placeFor(const Mission& mission, const RoadNetwork& roads, MissionPart part, int row,
                   bool inserting, const MarkDrop& drop) {
    if (part != MissionPart::Checkpoints) {
        return placeMark(roads, drop.wanted, drop.snap, drop.snapReach, nullptr);
    }
    const RouteNeighbours neighbours = routeNeighbours(mission, row, inserting);
    return placeMark(roads, drop.wanted, drop.snap, drop.snapReach, &neighbours);
}

}  // namespace

RouteNeighbours routeNeighbours(const Mission& mission, int row, bool inserting) {
    const int count = mission.checkpointCount();
    int before = row - 1;
    int after = inserting ? row : row + 1;
    if (mission.parameters().ARaceType == Circuit) {
        // Around the lap; a circuit of one or two has no other way round.
        const int others = inserting ? count : count - 1;
        if (others >= 2) {
            before = before < 1 ? count : before;
            after = after > count ? 1 : after;
        }
    }
    RouteNeighbours neighbours;
    neighbour(mission, before, neighbours.beforeRow, neighbours.before);
    neighbour(mission, after, neighbours.afterRow, neighbours.after);
    return neighbours;
}

MarkPlace markPlace(const Mission& mission, const RoadNetwork& roads, MissionPart part, int row,
                    const MarkDrop& drop) {
    return placeFor(mission, roads, part, row, false, drop);
}

MarkPlace moveMark(Mission& mission, const RoadNetwork& roads, MissionPart part, int row,
                   const MarkDrop& drop) {
    const MarkPlace place = markPlace(mission, roads, part, row, drop);
    if (part == MissionPart::Parameters) {
        const MissionParameters& parameters = mission.parameters();
        const RowPlace start =
            written(place, {parameters.AStartX, parameters.AStartY, parameters.AStartZ, {}});
        mission.placeStart(start.x, start.y, start.z);
    } else {
        mission.placeRow(part, row, written(place, mission.rowPlace(part, row)));
    }
    return place;
}

void turnMark(Mission& mission, MissionPart part, int row, double heading) {
    RowPlace place = mission.rowPlace(part, row);
    place.angle = number(heading);
    mission.placeRow(part, row, place);
}

std::pair<int, MarkPlace> addMark(Mission& mission, const RoadNetwork& roads, MissionPart part,
                                  int row, const MarkDrop& drop) {
    const int at = std::clamp(row, 1, mission.rowCount(part) + 1);
    const MarkPlace place = placeFor(mission, roads, part, at, true, drop);
    switch (part) {
        case MissionPart::Checkpoints:
            return {mission.insertCheckpoint(at, placed(addDialogCheckpoint(), place),
                                             addDialogDriveTypeCaption()),
                    place};
        case MissionPart::Cars:
            return {mission.insertCar(at, placed(CarEntry{}, place)), place};
        case MissionPart::Objects:
            return {mission.insertObject(at, placed(ObjectEntry{}, place)), place};
        default:
            return {0, place};
    }
}

}  // namespace qv
