#pragma once

#include <cstdint>
#include <vector>

namespace qv {

// A node of the game's car paths, in world units.
struct RoadNode {
    float x = 0;
    float y = 0;
    float z = 0;
};

// A road between two nodes, by their places in RoadNetwork::nodes().
struct RoadLink {
    std::uint32_t from = 0;
    std::uint32_t to = 0;
};

// The game's road network: its car path nodes and the links between them. The nodes are kept
// in square cells of the map's plane, built once, so that the nearest node to a point is found
// among a few cells instead of among all nodes.
class RoadNetwork {
  public:
    RoadNetwork() = default;
    RoadNetwork(std::vector<RoadNode> nodes, std::vector<RoadLink> links);

    const std::vector<RoadNode>& nodes() const { return nodes_; }
    const std::vector<RoadLink>& links() const { return links_; }
    bool empty() const { return nodes_.empty(); }

    // The node nearest to (x, y) on the map's plane and no farther than `radius`; nullptr when
    // none is that close.
    const RoadNode* nearest(double x, double y, double radius) const;

  private:
    void buildCells();

    std::vector<RoadNode> nodes_;
    std::vector<RoadLink> links_;
    // The cells, `columns_` × `rows_` of `cellSide_` units from (west_, south_), row by row;
    // cell c holds the nodes cellNodes_[cellStart_[c] .. cellStart_[c + 1]).
    double west_ = 0;
    double south_ = 0;
    double cellSide_ = 1;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::uint32_t> cellStart_;
    std::vector<std::uint32_t> cellNodes_;
};

}  // namespace qv
