#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gamedata/MapGeometry.h"
#include "model/Mission.h"

namespace qv {

// What the map draws of a race. Rows are numbered from 1, as the mission numbers them; the
// start point has row 0.
struct RouteMark {
    MissionPart part = MissionPart::Parameters;  // Parameters: the start point
    int row = 0;
    WorldPoint at;
    double heading = 0;  // degrees; 0 faces north, growing anticlockwise (cars and objects)
    bool playerCar = false;
    std::string model;  // cars and objects
};

// The direction a heading faces on the map, as a unit step in the world: 0 is north, 90 west.
WorldPoint headingStep(double degrees);

// The marks of a mission: the start point, the checkpoints in route order, the cars, the
// objects. A row whose x or y is no number has no mark.
std::vector<RouteMark> routeMarks(const Mission& mission);

// The mark under `point` of a map shown by `view`: the nearest within `radius` pixels, the
// start point only where nothing else is; nullptr when none is that close.
const RouteMark* markAt(const std::vector<RouteMark>& marks, const MapView& view, ScreenPoint point,
                        double radius);

// The smallest box around every mark; nullopt without marks.
std::optional<WorldRect> raceBounds(const std::vector<RouteMark>& marks);

}  // namespace qv
