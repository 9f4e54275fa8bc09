#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <bitset>
#include <memory>
#include <string>

#include "gamedata/RadarTiles.h"
#include "gamedata/ZoneMap.h"
#include "platform/FileSystem.h"

namespace qv::ui {

// What the route map draws under the race, from the user's own game folder: the radar tiles,
// each read and decoded the first time it is drawn and then kept in memory, and the zones'
// names. Nothing is copied or kept anywhere else.
class MapBackground {
  public:
    // Forgets everything and reads the archive's directory and the zones of `gameFolder` (empty:
    // no game folder).
    void open(const FileSystem& files, const std::string& gameFolder);

    // Tile `index`, decoded on first use; nullptr when it cannot be read.
    const QImage* tile(int index);
    // Decodes every tile not decoded yet.
    void loadAll();
    // The zone's name at `p`; empty where it is not known.
    QString zoneAt(WorldPoint p) const;
    // One line that says why (some of) the background is missing; empty when nothing is.
    QString note() const;
    // The memory the decoded tiles take, in bytes.
    std::size_t tileBytes() const;

  private:
    std::unique_ptr<RadarTiles> tiles_;
    ZoneMap zones_;
    std::array<QImage, RadarTileCount> images_;
    std::bitset<RadarTileCount> tried_;
    QString archiveProblem_;
    QString tileProblem_;
    int failedTiles_ = 0;
};

}  // namespace qv::ui
