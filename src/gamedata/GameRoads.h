#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gamedata/ImgArchive.h"
#include "gamedata/NodeFile.h"
#include "gamedata/RoadNetwork.h"

namespace qv {

// The road network of the areas read (index: the area's number; nullopt: not read): their car
// nodes, and each road once, whichever of its two nodes lists it. A link to an area not read,
// to a pedestrian node or past an area's nodes is left out.
RoadNetwork joinPathAreas(const std::vector<std::optional<PathArea>>& areas);

// The game's roads from the node files of its archive. A file that is missing or damaged is
// left out, and `problems` gets one line for it ("nodes7.dat: <why>"); the others are read.
RoadNetwork readGameRoads(const ImgArchive& archive, std::vector<std::string>& problems);

}  // namespace qv
