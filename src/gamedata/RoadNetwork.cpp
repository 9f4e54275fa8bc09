#include "gamedata/RoadNetwork.h"

#include <utility>

namespace qv {

RoadNetwork::RoadNetwork(std::vector<RoadNode> nodes, std::vector<RoadLink> links)
    : nodes_(std::move(nodes)), links_(std::move(links)) {}

const RoadNode* RoadNetwork::nearest(double x, double y, double radius) const {
    const RoadNode* best = nullptr;
    double bestSquare = radius * radius;
    for (const RoadNode& node : nodes_) {
        const double dx = node.x - x;
        const double dy = node.y - y;
        if (const double square = dx * dx + dy * dy; square <= bestSquare) {
            best = &node;
            bestSquare = square;
        }
    }
    return best;
}

}  // namespace qv
