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

// The game's road network: its car path nodes and the links between them.
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
    std::vector<RoadNode> nodes_;
    std::vector<RoadLink> links_;
};

}  // namespace qv
