#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace qv::test {

// Small game files built in memory, in the formats the game keeps: nothing of the game itself.

std::string le16(std::uint32_t value);
std::string le32(std::uint32_t value);

// One DXT1 block: two RGB565 colours and sixteen 2-bit indices (pixel 0 in the lowest bits).
std::string dxt1Block(std::uint16_t c0, std::uint16_t c1, std::uint32_t indices);

// The raster header fields of a Direct3D 9 texture.
struct TextureHeader {
    std::uint32_t rasterFormat = 0x0200;
    std::uint32_t d3dFormat = 0x31545844;  // "DXT1"
    int width = 4;
    int height = 4;
    int depth = 16;
    int platform = 9;
};

// A texture dictionary holding one texture with one mipmap level of `pixels`.
std::string textureDictionary(const TextureHeader& header, std::string_view pixels);

// An IMG archive of version 2 holding `files` (name, bytes), each padded to whole sectors.
std::string imgArchive(const std::vector<std::pair<std::string, std::string>>& files);

// A node of a node file: where it stands and its links, each (area, node).
struct FixtureNode {
    double x = 0;
    double y = 0;
    double z = 0;
    std::vector<std::pair<int, int>> links;
};

// A node file nodesN.dat of `area` holding `cars`, then `peds`, then `navi` navi nodes, the
// links, and the sections after them as the game's files have them.
std::string nodeFile(int area, const std::vector<FixtureNode>& cars,
                     const std::vector<FixtureNode>& peds = {}, int navi = 0);

// The 64 node files of a synthetic game (name, bytes): in each area a square lattice of
// `across` × `across` car nodes, each linked to its four neighbours (across the areas' edges
// too), and as many pedestrian nodes, at heights rising eastwards and northwards.
std::vector<std::pair<std::string, std::string>> syntheticNodeFiles(int across = 24);

// A San Andreas .gxt file whose MAIN table holds `texts` (key, text).
std::string gxtFile(const std::vector<std::pair<std::string, std::string>>& texts);

// A game folder under `folder`: models/gta3.img with all 144 radar tiles and the 64 node files
// of syntheticNodeFiles() (`tileSide` pixels a
// side, a multiple of 4, DXT1: sea around a patch of land crossed by roads, each tile a little
// different; the game's own are 128), data/info.zon, data/map.zon and text/american.gxt naming a
// few zones of Las Venturas.
void writeSyntheticGame(FileSystem& files, const std::string& folder, int tileSide = 128);

}  // namespace qv::test
