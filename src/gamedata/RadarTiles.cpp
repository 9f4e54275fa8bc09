#include "gamedata/RadarTiles.h"

#include "gamedata/TxdReader.h"
#include "model/Error.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

namespace qv {

WorldRect radarTileRect(int index) {
    const double west = -WorldExtent + RadarTileSide * (index % RadarTilesAcross);
    const double north = WorldExtent - RadarTileSide * (index / RadarTilesAcross);
    return {west, north - RadarTileSide, west + RadarTileSide, north};
}

std::string radarTileName(int index) {
    std::string number = std::to_string(index);
    if (number.size() < 2) {
        number.insert(0, "0");
    }
    return "radar" + number + ".txd";
}

std::string radarArchivePath(const std::string& gameFolder) {
    return joinPath(gameFolder, "models/gta3.img");
}

RadarTiles::RadarTiles(const FileSystem& files, const std::string& gameFolder)
    : archive_(files, radarArchivePath(gameFolder)) {}

std::string RadarTiles::read(int index) const {
    const std::string name = radarTileName(index);
    const ImgEntry* entry = archive_.find(name);
    if (entry == nullptr) {
        throw Error(formatText(translate("RadarTiles", "в архиве нет «%1»"), {name}));
    }
    try {
        return archive_.read(*entry, RadarTileMaxBytes);
    } catch (const Error& error) {
        throw Error(name + ": " + error.message());
    }
}

Image RadarTiles::decode(int index, std::string_view dictionary) {
    try {
        return reducedTo(readTxdTexture(dictionary), RadarTileMaxPixels);
    } catch (const Error& error) {
        throw Error(radarTileName(index) + ": " + error.message());
    }
}

}  // namespace qv
