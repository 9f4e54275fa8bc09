#include "gamedata/GameRoads.h"

#include <algorithm>

#include "model/Error.h"
#include "platform/AsciiCase.h"
#include "platform/Translation.h"

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
    // Each road is listed by both its nodes: kept once, as its two nodes in order in one key.
    std::vector<std::uint64_t> keys;
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
            const std::uint64_t from = firsts[a] + link.from;
            const std::uint64_t to = firsts[target] + link.to.node;
            if (from != to) {
                keys.push_back(std::min(from, to) << 32 | std::max(from, to));
            }
        }
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::vector<RoadLink> links;
    links.reserve(keys.size());
    for (const std::uint64_t key : keys) {
        links.push_back({static_cast<std::uint32_t>(key >> 32), static_cast<std::uint32_t>(key)});
    }
    return RoadNetwork(std::move(nodes), std::move(links));
}

namespace {

// The area of a node file's name ("nodes12.dat", in any case); -1 for any other name.
int areaOfName(std::string_view name) {
    const std::string_view head = "nodes";
    const std::string_view tail = ".dat";
    if (name.size() <= head.size() + tail.size() || name.size() > head.size() + tail.size() + 2 ||
        !equalIgnoringAsciiCase(name.substr(0, head.size()), head) ||
        !equalIgnoringAsciiCase(name.substr(name.size() - tail.size()), tail)) {
        return -1;
    }
    const std::string_view digits =
        name.substr(head.size(), name.size() - head.size() - tail.size());
    int area = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9') {
            return -1;
        }
        area = area * 10 + (digit - '0');
    }
    return nodeFileName(area).size() == name.size() && area < PathAreaCount ? area : -1;
}

}  // namespace

RoadNetwork readGameRoads(const ImgArchive& archive, std::vector<std::string>& problems) {
    // One pass over the directory (the game's holds some 16,000 entries), the first entry of
    // each name as ImgArchive::find gives it.
    std::vector<const ImgEntry*> entries(PathAreaCount, nullptr);
    for (const ImgEntry& entry : archive.entries()) {
        if (const int area = areaOfName(entry.name); area >= 0) {
            const auto slot = static_cast<std::size_t>(area);
            entries[slot] = entries[slot] != nullptr ? entries[slot] : &entry;
        }
    }
    std::vector<std::optional<PathArea>> areas(PathAreaCount);
    for (std::size_t a = 0; a < areas.size(); ++a) {
        const std::string name = nodeFileName(static_cast<int>(a));
        try {
            if (entries[a] == nullptr) {
                throw Error(translate("GameRoads", "нет в архиве"));
            }
            areas[a] = readNodeFile(archive.read(*entries[a], NodeFileMaxBytes));
        } catch (const Error& error) {
            problems.push_back(name + ": " + error.message());
        }
    }
    return joinPathAreas(areas);
}

}  // namespace qv
