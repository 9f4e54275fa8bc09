#include "gamedata/ZoneMap.h"

#include <algorithm>

#include "model/Error.h"
#include "model/NumberText.h"
#include "platform/Paths.h"

namespace qv {
namespace {

// The game's own files are far smaller: its zone files hold some 20 KB, its text 3 MB.
constexpr std::uint64_t LargestZones = 1u << 20;
constexpr std::uint64_t LargestTexts = 32u << 20;

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> result;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t comma = std::min(line.find(',', start), line.size());
        result.push_back(trimmed(line.substr(start, comma - start)));
        start = comma + 1;
    }
    return result;
}

double area(const WorldRect& box) {
    return (box.east - box.west) * (box.north - box.south);
}

std::string readText(const FileSystem& files, const std::string& path, std::uint64_t limit) {
    std::string bytes;
    if (const IoStatus status = files.readFile(path, bytes, limit); !status) {
        throw Error(status.reason);
    }
    return bytes;
}

}  // namespace

std::vector<Zone> parseZones(std::string_view text) {
    std::vector<Zone> zones;
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line == "zone") {
            inSection = true;
            continue;
        }
        if (line == "end") {
            inSection = false;
            continue;
        }
        const std::vector<std::string_view> parts = fields(line);
        if (!inSection || parts.size() < 10) {
            continue;
        }
        const auto x1 = numberValue(parts[2]);
        const auto y1 = numberValue(parts[3]);
        const auto x2 = numberValue(parts[5]);
        const auto y2 = numberValue(parts[6]);
        if (!x1 || !y1 || !x2 || !y2) {
            continue;
        }
        zones.push_back(
            {std::string(parts[0]),
             {std::min(*x1, *x2), std::min(*y1, *y2), std::max(*x1, *x2), std::max(*y1, *y2)},
             std::string(parts[9])});
    }
    return zones;
}

ZoneMap::ZoneMap(std::vector<Zone> zones, GxtTable names)
    : zones_(std::move(zones)), names_(std::move(names)) {}

ZoneMap ZoneMap::read(const FileSystem& files, const std::string& gameFolder,
                      std::string& problem) {
    std::vector<Zone> zones;
    for (const char* name : {"data/info.zon", "data/map.zon"}) {
        const std::string path = joinPath(gameFolder, name);
        try {
            std::vector<Zone> read = parseZones(readText(files, path, LargestZones));
            zones.insert(zones.end(), read.begin(), read.end());
        } catch (const Error& error) {
            problem = path + ": " + error.message();
        }
    }
    GxtTable names;
    const std::string textPath = joinPath(gameFolder, "text/american.gxt");
    try {
        names = GxtTable(readText(files, textPath, LargestTexts));
    } catch (const Error& error) {
        if (problem.empty()) {
            problem = textPath + ": " + error.message();
        }
    }
    return ZoneMap(std::move(zones), std::move(names));
}

std::string ZoneMap::nameOf(const Zone& zone) const {
    return names_.find(zone.textKey).value_or(zone.textKey);
}

std::string ZoneMap::nameAt(WorldPoint p) const {
    const Zone* smallest = nullptr;
    const Zone* largest = nullptr;
    for (const Zone& zone : zones_) {
        if (!zone.box.contains(p)) {
            continue;
        }
        if (smallest == nullptr || area(zone.box) < area(smallest->box)) {
            smallest = &zone;
        }
        if (largest == nullptr || area(zone.box) > area(largest->box)) {
            largest = &zone;
        }
    }
    if (smallest == nullptr) {
        return {};
    }
    std::string name = nameOf(*smallest);
    if (const std::string outer = nameOf(*largest); outer != name) {
        name += ", " + outer;
    }
    return name;
}

}  // namespace qv
