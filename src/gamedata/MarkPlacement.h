#pragma once

#include <optional>

#include "gamedata/MapGeometry.h"
#include "gamedata/RoadNetwork.h"

namespace qv {

// A mark put down this close to a road node (in world units, metres) stands on that road: it
// takes the node's height.
inline constexpr double RoadHeightReach = 10;
// Headings turned with the step on go in steps of this many degrees.
inline constexpr double HeadingStep = 15;

// Where the height of a mark put down on the map comes from.
enum class HeightSource {
    Road,   // the nearest road node, no farther than RoadHeightReach
    Route,  // a checkpoint's neighbours on the route
    Own,    // nowhere: the mark keeps the height it had
};

// A point of the world with its height.
struct GroundPoint {
    double x = 0;
    double y = 0;
    double z = 0;
};

// The checkpoints before and after a checkpoint on the route, by row; row 0: there is none.
struct RouteNeighbours {
    int beforeRow = 0;
    GroundPoint before;
    int afterRow = 0;
    GroundPoint after;
};

// Where a mark put down on the map goes.
struct MarkPlace {
    WorldPoint at;
    HeightSource height = HeightSource::Own;
    double z = 0;  // the height taken, unless it is the mark's own
    bool snapped = false;
    double roadDistance = 0;  // Road: how far the node is from `at`
    RouteNeighbours between;  // Route: the neighbours it came from
};

// The place of a mark put down at `wanted`: within the map (-3000 … 3000 on both axes); with
// `snap`, on the road node nearest to it no farther than `snapReach`, when there is one. Its
// height is that of a road node within RoadHeightReach of the place; elsewhere, for a
// checkpoint (`neighbours` given), interpolated between its neighbours by how far the place is
// from each (the one neighbour's height when it has one); otherwise its own.
MarkPlace placeMark(const RoadNetwork& roads, WorldPoint wanted, bool snap, double snapReach,
                    const RouteNeighbours* neighbours);

// The heading (degrees, 0 facing north, growing anticlockwise, from 0 up to 360) of a mark at
// `centre` turned to face `towards`; with `stepped`, the nearest multiple of HeadingStep. A
// point on the centre itself gives nullopt.
std::optional<double> headingTowards(WorldPoint centre, WorldPoint towards, bool stepped);

}  // namespace qv
