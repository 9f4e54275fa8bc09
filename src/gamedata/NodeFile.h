#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gamedata/RoadNetwork.h"

namespace qv {

// The game's car and pedestrian paths: 64 files nodes0.dat ... nodes63.dat in models\gta3.img,
// one per square of 750 × 750 units in an 8 × 8 grid, area n in column n mod 8 from x = -3000
// eastwards and row n div 8 from y = -3000 northwards.
inline constexpr int PathAreaCount = 64;
inline constexpr int PathAreasAcross = 8;
inline constexpr double PathAreaSide = 750;
// A node file larger than this is damage: its node ids are 16 bits, so even 65,536 nodes with
// all their links take less than 3 MB.
inline constexpr std::size_t NodeFileMaxBytes = 4u << 20;

// "nodes0.dat" ... "nodes63.dat".
std::string nodeFileName(int area);

// A node by its place in the game's files: its area (the number of its file) and its place in
// that file's nodes.
struct NodeAddress {
    std::uint16_t area = 0;
    std::uint16_t node = 0;
};

// A link of one of an area's car nodes, by that node's place in the area.
struct AreaLink {
    std::uint32_t from = 0;
    NodeAddress to;
};

// The car nodes of one node file and their links.
struct PathArea {
    std::vector<RoadNode> nodes;
    std::vector<AreaLink> links;
};

// Reads one node file: a header of five uint32 (all nodes, car nodes, pedestrian nodes, navi
// nodes, links), the nodes (28 bytes each, car nodes first), the navi nodes (14 bytes each) and
// the links (4 bytes each: area and node), then sections this reader does not need. Throws
// Error with the reason when a count, a node's links or a section does not fit the file.
PathArea readNodeFile(std::string_view bytes);

}  // namespace qv
