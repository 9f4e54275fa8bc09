#include "gamedata/MarkPlacement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {
namespace {

double distance(WorldPoint a, double x, double y) {
    return std::hypot(a.x - x, a.y - y);
}

// The height between the neighbours, by how far `at` is from each.
double routeHeight(WorldPoint at, const RouteNeighbours& n) {
    if (n.beforeRow == 0 || n.afterRow == 0) {
        return n.beforeRow != 0 ? n.before.z : n.after.z;
    }
    const double fromBefore = distance(at, n.before.x, n.before.y);
    const double toAfter = distance(at, n.after.x, n.after.y);
    const double share = fromBefore + toAfter > 0 ? fromBefore / (fromBefore + toAfter) : 0.5;
    return n.before.z + share * (n.after.z - n.before.z);
}

}  // namespace

MarkPlace placeMark(const RoadNetwork& roads, WorldPoint wanted, bool snap, double snapReach,
                    const RouteNeighbours* neighbours) {
    MarkPlace place;
    place.at = {std::clamp(wanted.x, -WorldExtent, WorldExtent),
                std::clamp(wanted.y, -WorldExtent, WorldExtent)};
    if (snap) {
        if (const RoadNode* node = roads.nearest(place.at.x, place.at.y, snapReach)) {
            place.at = {std::clamp<double>(node->x, -WorldExtent, WorldExtent),
                        std::clamp<double>(node->y, -WorldExtent, WorldExtent)};
            place.snapped = true;
        }
    }
    if (const RoadNode* node = roads.nearest(place.at.x, place.at.y, RoadHeightReach)) {
        place.height = HeightSource::Road;
        place.z = node->z;
        place.roadDistance = distance(place.at, node->x, node->y);
    } else if (neighbours != nullptr && (neighbours->beforeRow != 0 || neighbours->afterRow != 0)) {
        place.height = HeightSource::Route;
        place.z = routeHeight(place.at, *neighbours);
        place.between = *neighbours;
    }
    return place;
}

std::optional<double> headingTowards(WorldPoint centre, WorldPoint towards, bool stepped) {
    const double dx = towards.x - centre.x;
    const double dy = towards.y - centre.y;
    if (dx == 0 && dy == 0) {
        return std::nullopt;
    }
    // headingStep(h) faces (-sin h, cos h).
    double degrees = std::atan2(-dx, dy) * 180 / std::numbers::pi;
    if (stepped) {
        degrees = std::round(degrees / HeadingStep) * HeadingStep;
    }
    degrees = std::fmod(degrees + 360, 360);
    return degrees >= 360 ? 0 : degrees;
}

}  // namespace qv
