// Reads arbitrary bytes as one of the game's node files (nodesN.dat), then joins it as the
// only area read into a road network. Nothing may crash or allocate more than the file holds:
// every node read lies within the file and every link joins two nodes read. Every failure is
// an Error with its reason.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "Require.h"
#include "gamedata/GameRoads.h"
#include "gamedata/NodeFile.h"
#include "model/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        qv::PathArea area = qv::readNodeFile(bytes);
        require(20 + 28 * area.nodes.size() <= size);
        require(area.links.size() <= 15 * area.nodes.size());
        for (const qv::AreaLink& link : area.links) {
            require(link.from < area.nodes.size());
        }
        std::vector<std::optional<qv::PathArea>> areas(qv::PathAreaCount);
        areas[0] = std::move(area);
        const qv::RoadNetwork roads = qv::joinPathAreas(areas);
        for (const qv::RoadLink& link : roads.links()) {
            require(link.from < link.to && link.to < roads.nodes().size());
        }
        if (!roads.empty()) {
            const qv::RoadNode& first = roads.nodes().front();
            const qv::RoadNode* near = roads.nearest(first.x, first.y, 1);
            require(near != nullptr && std::hypot(near->x - first.x, near->y - first.y) == 0);
        }
    } catch (const qv::Error& error) {
        require(!error.message().empty());
    }
    return 0;
}
