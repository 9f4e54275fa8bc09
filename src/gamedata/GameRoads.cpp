#include "gamedata/GameRoads.h"

#include <algorithm>

#include "model/Error.h"

namespace qv {

RoadNetwork joinPathAreas(const std::vector<std::optional<PathArea>>& areas) {
    // Where each area's nodes begin among all nodes.
    std::vector<std::uint32_t> firsts(areas.size(), 0);
    std::vector<RoadNode> nodes;
    for (std::size_t a = 0; a < areas.size(); ++a) {
        firsts[a] = static_cast<std::uint32_t>(nodes.size());
        if (areas[a]) {
            nodes.insert(nodes.end(), areas[a]->nodes.begin(), areas[a]->nodes.end());
        }
    }
    std::vector<RoadLink> links;
    for (std::size_t a = 0; a < areas.size(); ++a) {
        if (!areas[a]) {
            continue;
        }
        for (const AreaLink& link : areas[a]->links) {
            const std::size_t target = link.to.area;
            if (target >= areas.size() || !areas[target] ||
                link.to.node >= areas[target]->nodes.size()) {
                continue;
            }
            const std::uint32_t from = firsts[a] + link.from;
            const std::uint32_t to = firsts[target] + link.to.node;
            if (from != to) {
                links.push_back({std::min(from, to), std::max(from, to)});
            }
        }
    }
    // Each road is listed by both its nodes: kept once.
    const auto key = [](const RoadLink& link) { return std::pair(link.from, link.to); };
    std::sort(links.begin(), links.end(),
              [&](const RoadLink& a, const RoadLink& b) { return key(a) < key(b); });
    links.erase(std::unique(links.begin(), links.end(),
                            [&](const RoadLink& a, const RoadLink& b) { return key(a) == key(b); }),
                links.end());
    return RoadNetwork(std::move(nodes), std::move(links));
}

RoadNetwork readGameRoads(const ImgArchive& archive, std::vector<std::string>& problems) {
    std::vector<std::optional<PathArea>> areas(PathAreaCount);
    for (int a = 0; a < PathAreaCount; ++a) {
        const std::string name = nodeFileName(a);
        try {
            const ImgEntry* entry = archive.find(name);
            if (entry == nullptr) {
                throw Error("нет в архиве");
            }
            areas[static_cast<std::size_t>(a)] =
                readNodeFile(archive.read(*entry, NodeFileMaxBytes));
        } catch (const Error& error) {
            problems.push_back(name + ": " + error.message());
        }
    }
    return joinPathAreas(areas);
}

}  // namespace qv
