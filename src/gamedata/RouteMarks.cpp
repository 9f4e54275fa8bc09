#include "gamedata/RouteMarks.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/NumberText.h"

namespace qv {
namespace {

RouteMark markOf(MissionPart part, int row) {
    RouteMark mark;
    mark.part = part;
    mark.row = row;
    return mark;
}

std::optional<WorldPoint> pointOf(const std::string& x, const std::string& y) {
    const std::optional<double> px = numberValue(x);
    const std::optional<double> py = numberValue(y);
    if (!px || !py) {
        return std::nullopt;
    }
    return WorldPoint{*px, *py};
}

void add(std::vector<RouteMark>& marks, RouteMark mark, const std::string& x,
         const std::string& y) {
    if (const std::optional<WorldPoint> at = pointOf(x, y)) {
        mark.at = *at;
        marks.push_back(std::move(mark));
    }
}

}  // namespace

WorldPoint headingStep(double degrees) {
    const double radians = degrees * std::numbers::pi / 180;
    return {-std::sin(radians), std::cos(radians)};
}

std::vector<RouteMark> routeMarks(const Mission& mission) {
    std::vector<RouteMark> marks;
    const MissionParameters& parameters = mission.parameters();
    add(marks, {}, parameters.AStartX, parameters.AStartY);
    for (int row = 1; row <= mission.checkpointCount(); ++row) {
        const CheckpointEntry& checkpoint = mission.checkpoint(row);
        add(marks, markOf(MissionPart::Checkpoints, row), checkpoint.X, checkpoint.Y);
    }
    for (int row = 1; row <= mission.carCount(); ++row) {
        const CarEntry& car = mission.car(row);
        RouteMark mark = markOf(MissionPart::Cars, row);
        mark.heading = numberValue(car.Angle).value_or(0);
        mark.playerCar = row == parameters.PlayerCarNumber;
        mark.model = car.Model;
        add(marks, std::move(mark), car.X, car.Y);
    }
    for (int row = 1; row <= mission.objectCount(); ++row) {
        const ObjectEntry& object = mission.object(row);
        RouteMark mark = markOf(MissionPart::Objects, row);
        mark.heading = numberValue(object.Angle).value_or(0);
        mark.model = object.Model;
        add(marks, std::move(mark), object.X, object.Y);
    }
    return marks;
}

const RouteMark* markAt(const std::vector<RouteMark>& marks, const MapView& view, ScreenPoint point,
                        double radius) {
    const RouteMark* best = nullptr;
    double bestDistance = 0;
    for (const RouteMark& mark : marks) {
        const ScreenPoint at = view.toScreen(mark.at);
        const double distance = std::hypot(at.x - point.x, at.y - point.y);
        if (distance > radius) {
            continue;
        }
        const bool start = mark.part == MissionPart::Parameters;
        const bool bestIsStart = best != nullptr && best->part == MissionPart::Parameters;
        if (best == nullptr || (bestIsStart && !start) ||
            (start == bestIsStart && distance < bestDistance)) {
            best = &mark;
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<WorldRect> raceBounds(const std::vector<RouteMark>& marks) {
    if (marks.empty()) {
        return std::nullopt;
    }
    WorldRect box{marks[0].at.x, marks[0].at.y, marks[0].at.x, marks[0].at.y};
    for (const RouteMark& mark : marks) {
        box.west = std::min(box.west, mark.at.x);
        box.east = std::max(box.east, mark.at.x);
        box.south = std::min(box.south, mark.at.y);
        box.north = std::max(box.north, mark.at.y);
    }
    return box;
}

}  // namespace qv
