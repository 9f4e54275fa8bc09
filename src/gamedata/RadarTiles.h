#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "gamedata/Image.h"
#include "gamedata/ImgArchive.h"
#include "gamedata/MapGeometry.h"
#include "platform/FileSystem.h"

namespace qv {

// The game's radar map: 144 tiles in a 12 × 12 grid, tile n in column n mod 12 from x = -3000
// eastwards and row n div 12 from y = 3000 southwards, 500 units a side, each the one texture
// of the dictionary radarNN.txd in models\gta3.img.
inline constexpr int RadarTileCount = 144;
inline constexpr int RadarTilesAcross = 12;
inline constexpr double RadarTileSide = 500;
// Tiles are kept at most this many pixels a side; larger ones (from modded games) are reduced.
inline constexpr int RadarTileMaxPixels = 256;
// A radar dictionary larger than this is damage.
inline constexpr std::size_t RadarTileMaxBytes = 16u << 20;

WorldRect radarTileRect(int index);
// "radar00.txd" ... "radar143.txd".
std::string radarTileName(int index);
std::string radarArchivePath(const std::string& gameFolder);

// The tiles of one game folder, read on demand. Opening reads only the archive's directory.
class RadarTiles {
  public:
    // Throws Error with the reason when the archive cannot be read.
    RadarTiles(const FileSystem& files, const std::string& gameFolder);

    // Reads and decodes tile `index`. Throws Error with the reason when it cannot.
    Image load(int index) const { return decode(index, read(index)); }
    // The two halves of load: reading the tile's dictionary from the archive, and decoding it
    // (reduced to RadarTileMaxPixels), which touches nothing else and may run on any thread.
    std::string read(int index) const;
    static Image decode(int index, std::string_view dictionary);
    // The archive the tiles come from, for the game's other files in it.
    const ImgArchive& archive() const { return archive_; }

  private:
    ImgArchive archive_;
};

}  // namespace qv
