#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gamedata/GxtTable.h"
#include "gamedata/MapGeometry.h"
#include "platform/FileSystem.h"

namespace qv {

// One zone of a .zon file: "name, type, x1, y1, z1, x2, y2, z2, level, text key".
struct Zone {
    std::string name;
    WorldRect box;
    std::string textKey;
};

// The zones of a .zon file's "zone" section; lines that are no zone are passed over.
std::vector<Zone> parseZones(std::string_view text);

// The game's zones (data\info.zon and data\map.zon) with their names from text\american.gxt,
// or their text keys where it cannot be read.
class ZoneMap {
  public:
    ZoneMap() = default;
    ZoneMap(std::vector<Zone> zones, GxtTable names);

    // Reads the zones of a game folder. A file that cannot be read is passed over, and
    // `problem` says which and why; it stays empty when everything was read.
    static ZoneMap read(const FileSystem& files, const std::string& gameFolder,
                        std::string& problem);

    bool empty() const { return zones_.empty(); }
    // The name of the smallest zone around `p`, followed by that of the largest when it differs
    // ("Ganton, Los Santos"); empty where no zone is.
    std::string nameAt(WorldPoint p) const;

  private:
    std::string nameOf(const Zone& zone) const;

    std::vector<Zone> zones_;
    GxtTable names_;
};

}  // namespace qv
