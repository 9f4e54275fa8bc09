#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>
#include <array>
#include <bitset>
#include <deque>
#include <memory>
#include <string>

#include "gamedata/RadarTiles.h"
#include "gamedata/RoadNetwork.h"
#include "gamedata/ZoneMap.h"
#include "platform/FileSystem.h"

namespace qv::ui {

// What the route map draws under the race, from the user's own game folder: the radar tiles,
// each read and decoded the first time it is asked for and then kept in memory, the zones'
// names, and the game's roads (its car paths, read with the zones when the folder is opened).
// Nothing is copied or kept anywhere else.
//
// A tile asked for is not waited for: its dictionary is read from the archive on this thread, a
// few tiles at a time from a timer, and decoded on worker threads (a modded game's tiles of
// 2048 pixels a side take a tenth of a second each), and tilesArrived() tells when tiles have
// come in, so the map is on screen at once and fills in as the tiles come.
class MapBackground final : public QObject {
    Q_OBJECT

  public:
    MapBackground();
    ~MapBackground() override;

    // Forgets everything and reads the archive's directory and the zones of `gameFolder` (empty:
    // no game folder). Tiles still being decoded for the folder before are dropped.
    void open(const FileSystem& files, const std::string& gameFolder);

    // Tile `index` when it has been decoded; otherwise nullptr, and a tile not asked for before
    // is read and decoded from now on.
    const QImage* tile(int index);
    // Reads and decodes every tile not decoded yet, waiting for them.
    void loadAll();
    // Whether tiles asked for are still on their way.
    bool loading() const { return !pending_.empty() || decoding_ > 0; }
    // The zone's name at `p`; empty where it is not known.
    QString zoneAt(WorldPoint p) const;
    // One line that says why (some of) the background is missing; empty when nothing is.
    QString note() const;
    // The game's roads; empty when they are not known.
    const RoadNetwork& roads() const { return roads_; }
    // Puts `roads` in place of the game's (the tests' own road networks).
    void setRoads(RoadNetwork roads) { roads_ = std::move(roads); }
    // The memory the decoded tiles take, in bytes.
    std::size_t tileBytes() const;
    // Grows whenever what tile() gives may have changed (a folder opened, tiles come in), so
    // that a drawing of the tiles kept from before can tell it is out of date.
    unsigned tilesVersion() const { return tilesVersion_; }

  signals:
    // Tiles were decoded or found unreadable since the last time.
    void tilesArrived();

  private:
    void readPending();
    void arrive(unsigned generation, int index, const QImage& image, const QString& problem);
    void fail(const QString& problem);

    const FileSystem* files_ = nullptr;
    std::unique_ptr<RadarTiles> tiles_;
    ZoneMap zones_;
    RoadNetwork roads_;
    std::array<QImage, RadarTileCount> images_;
    std::bitset<RadarTileCount> asked_;
    std::deque<int> pending_;  // asked for, not read yet, in the order asked
    int decoding_ = 0;         // read and handed to the workers
    unsigned generation_ = 0;  // counts open(), so that a late tile of another folder is dropped
    QTimer reader_;
    QString archiveProblem_;
    QString zonesProblem_;
    QStringList roadProblems_;  // one line for each node file not read
    unsigned tilesVersion_ = 0;
    QString tileProblem_;
    int failedTiles_ = 0;
    QThreadPool workers_;  // last: its end waits for the decodings still running
};

}  // namespace qv::ui
