// Reads arbitrary bytes as a .zon file of the game and names points of the map by its zones.
// Nothing may crash; every zone read is a box with its corners in order, and a point is named
// only where a zone lies around it.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Require.h"
#include "gamedata/ZoneMap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<qv::Zone> zones = qv::parseZones(text);
    for (const qv::Zone& zone : zones) {
        const qv::WorldRect& box = zone.box;
        if (!std::isnan(box.west) && !std::isnan(box.east)) {
            require(box.west <= box.east);
        }
        if (!std::isnan(box.south) && !std::isnan(box.north)) {
            require(box.south <= box.north);
        }
    }
    const bool none = zones.empty();
    const qv::ZoneMap map(std::move(zones), qv::GxtTable{});
    for (const qv::WorldPoint p : {qv::WorldPoint{0, 0}, qv::WorldPoint{2400, 1600},
                                   qv::WorldPoint{-1500, 700}, qv::WorldPoint{1e9, -1e9}}) {
        const std::string name = map.nameAt(p);
        require(!none || name.empty());
    }
    return 0;
}
