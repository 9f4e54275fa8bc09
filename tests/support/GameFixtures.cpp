#include "GameFixtures.h"

#include "NativePath.h"

#include <cstdio>
#include <initializer_list>

#include "platform/Paths.h"

namespace qv::test {
namespace {

std::string chunk(std::uint32_t type, const std::string& body) {
    return le32(type) + le32(static_cast<std::uint32_t>(body.size())) + le32(0x1803FFFF) + body;
}

std::string fixedField(std::string_view text, std::size_t size) {
    std::string field(text.substr(0, size));
    field.resize(size, '\0');
    return field;
}

std::uint16_t rgb565(int r, int g, int b) {
    return static_cast<std::uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
}

// A synthetic radar tile: land inside the square from tile column and row 1 to 10, sea around,
// roads every 500 units along the tile edges and one diagonal.
std::string syntheticTile(int index, int side) {
    const int column = index % 12;
    const int row = index / 12;
    const bool land = column >= 1 && column <= 10 && row >= 1 && row <= 10;
    const int shade = (column + row) % 2 * 12;
    const std::uint16_t ground =
        land ? rgb565(150 + shade, 170 + shade, 120) : rgb565(70, 110 + shade, 170);
    const std::uint16_t road = rgb565(90, 90, 90);
    std::string blocks;
    const int blocksAcross = side / 4;
    for (int by = 0; by < blocksAcross; ++by) {
        for (int bx = 0; bx < blocksAcross; ++bx) {
            const bool onRoad = land && (bx == 0 || by == 0 || bx == by);
            blocks += onRoad ? dxt1Block(road, road, 0) : dxt1Block(ground, ground, 0);
        }
    }
    TextureHeader header;
    header.width = side;
    header.height = side;
    return textureDictionary(header, blocks);
}

std::string le16s(double value) {
    return le16(static_cast<std::uint32_t>(static_cast<std::int16_t>(value * 8)) & 0xFFFF);
}

std::string nodeRecord(int area, int index, const FixtureNode& node, std::size_t firstLink) {
    // Traffic bits above the link count, as the game's nodes have them.
    const auto flags = static_cast<std::uint32_t>(node.links.size()) | 0x30;
    return le32(0) + le32(0) + le16s(node.x) + le16s(node.y) + le16s(node.z) + le16(0) +
           le16(static_cast<std::uint32_t>(firstLink)) + le16(static_cast<std::uint32_t>(area)) +
           le16(static_cast<std::uint32_t>(index)) + le16(0x0A08) + le32(flags);
}

}  // namespace

std::string le16(std::uint32_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF)};
}

std::string le32(std::uint32_t value) {
    return le16(value & 0xFFFF) + le16(value >> 16);
}

std::string dxt1Block(std::uint16_t c0, std::uint16_t c1, std::uint32_t indices) {
    return le16(c0) + le16(c1) + le32(indices);
}

std::string textureDictionary(const TextureHeader& header, std::string_view pixels) {
    std::string native = le32(static_cast<std::uint32_t>(header.platform)) + le32(0x1102) +
                         fixedField("radar", 32) + fixedField("", 32) + le32(header.rasterFormat) +
                         le32(header.d3dFormat) + le16(static_cast<std::uint32_t>(header.width)) +
                         le16(static_cast<std::uint32_t>(header.height));
    native += static_cast<char>(header.depth);
    native += static_cast<char>(1);  // one level
    native += static_cast<char>(4);  // a texture
    native += static_cast<char>(header.d3dFormat == 0x31545844 ? 8 : 0);
    native += le32(static_cast<std::uint32_t>(pixels.size())) + std::string(pixels);
    const std::string texture = chunk(0x15, chunk(0x01, native) + chunk(0x03, ""));
    return chunk(0x16, chunk(0x01, le16(1) + le16(2)) + texture + chunk(0x03, ""));
}

std::string imgArchive(const std::vector<std::pair<std::string, std::string>>& files) {
    constexpr std::size_t Sector = 2048;
    const std::size_t directory = 8 + 32 * files.size();
    std::size_t sector = (directory + Sector - 1) / Sector;
    std::string head = "VER2" + le32(static_cast<std::uint32_t>(files.size()));
    std::string body;
    for (const auto& [name, bytes] : files) {
        const std::size_t sectors = (bytes.size() + Sector - 1) / Sector;
        head += le32(static_cast<std::uint32_t>(sector)) +
                le16(static_cast<std::uint32_t>(sectors)) + le16(0) + fixedField(name, 24);
        body += bytes;
        body.resize(body.size() + sectors * Sector - bytes.size(), '\0');
        sector += sectors;
    }
    head.resize((directory + Sector - 1) / Sector * Sector, '\0');
    return head + body;
}

std::string nodeFile(int area, const std::vector<FixtureNode>& cars,
                     const std::vector<FixtureNode>& peds, int navi) {
    std::string nodes;
    std::string links;
    std::size_t linkCount = 0;
    int index = 0;
    for (const auto* part : {&cars, &peds}) {
        for (const FixtureNode& node : *part) {
            nodes += nodeRecord(area, index++, node, linkCount);
            for (const auto& [toArea, toNode] : node.links) {
                links += le16(static_cast<std::uint32_t>(toArea)) +
                         le16(static_cast<std::uint32_t>(toNode));
            }
            linkCount += node.links.size();
        }
    }
    const auto count = [](std::size_t n) { return le32(static_cast<std::uint32_t>(n)); };
    // After the links: room for the game's own links, the navi links (2 bytes a link), the
    // links' lengths and their crossing flags (a byte each).
    return count(cars.size() + peds.size()) + count(cars.size()) + count(peds.size()) +
           count(static_cast<std::size_t>(navi)) + count(linkCount) + nodes +
           std::string(static_cast<std::size_t>(navi) * 14, '\x01') + links +
           std::string(768 + linkCount * 4, '\0');
}

std::vector<std::pair<std::string, std::string>> syntheticNodeFiles(int across) {
    const double step = 750.0 / across;
    const auto address = [across](int column, int row) {
        // The area and the place in it of lattice point (column, row) of the whole state.
        const int area = row / across * 8 + column / across;
        return std::pair(area, row % across * across + column % across);
    };
    const int side = 8 * across;
    std::vector<std::pair<std::string, std::string>> files;
    for (int area = 0; area < 64; ++area) {
        std::vector<FixtureNode> cars;
        std::vector<FixtureNode> peds;
        for (int j = 0; j < across; ++j) {
            for (int i = 0; i < across; ++i) {
                const int column = area % 8 * across + i;
                const int row = area / 8 * across + j;
                FixtureNode node;
                node.x = -3000 + (column + 0.5) * step;
                node.y = -3000 + (row + 0.5) * step;
                node.z = 10 + (column + row) * 0.25;
                for (const auto& [dc, dr] :
                     std::initializer_list<std::pair<int, int>>{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                    if (column + dc >= 0 && column + dc < side && row + dr >= 0 &&
                        row + dr < side) {
                        node.links.push_back(address(column + dc, row + dr));
                    }
                }
                FixtureNode ped{node.x + step / 3, node.y + step / 3, node.z, {}};
                cars.push_back(std::move(node));
                peds.push_back(ped);
            }
        }
        files.emplace_back("nodes" + std::to_string(area) + ".dat",
                           nodeFile(area, cars, peds, across * across / 2));
    }
    return files;
}

std::string gxtFile(const std::vector<std::pair<std::string, std::string>>& texts) {
    // Computed as the game does: CRC-32 of the key in capitals, without the final inversion.
    const auto hash = [](const std::string& key) {
        std::uint32_t crc = 0xFFFFFFFFu;
        for (char c : key) {
            crc ^= static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
            for (int bit = 0; bit < 8; ++bit) {
                crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
            }
        }
        return crc;
    };
    std::string keys;
    std::string data;
    for (const auto& [key, text] : texts) {
        keys += le32(static_cast<std::uint32_t>(data.size())) + le32(hash(key));
        data += text + '\0';
    }
    const std::string header = le16(4) + le16(8) + "TABL" + le32(12);
    const std::uint32_t mainOffset = static_cast<std::uint32_t>(header.size() + 12);
    return header + fixedField("MAIN", 8) + le32(mainOffset) + "TKEY" +
           le32(static_cast<std::uint32_t>(keys.size())) + keys + "TDAT" +
           le32(static_cast<std::uint32_t>(data.size())) + data;
}

void writeSyntheticGame(FileSystem& files, const std::string& folder, int tileSide) {
    std::vector<std::pair<std::string, std::string>> tiles;
    tiles.emplace_back("generic.txd", std::string(3000, 'x'));
    for (int index = 0; index < 144; ++index) {
        char name[16];
        std::snprintf(name, sizeof name, "radar%02d.txd", index);
        tiles.emplace_back(name, syntheticTile(index, tileSide));
    }
    for (auto& file : syntheticNodeFiles()) {
        tiles.push_back(std::move(file));
    }
    files.writeFile(joinPath(folder, native("models/gta3.img")), imgArchive(tiles));
    files.writeFile(joinPath(folder, native("data/info.zon")),
                    "zone\r\n"
                    "STRIP1, 0, 2027.4, 863.2, -89.0, 2087.3, 1703.2, 110.9, 1, STRIP\r\n"
                    "ROY1, 0, 2087.3, 1543.2, -89.0, 2437.3, 1703.2, 110.9, 1, ROY\r\n"
                    "end\r\n");
    files.writeFile(joinPath(folder, native("data/map.zon")),
                    "zone\r\n"
                    "VE, 3, 685.0, 476.0, -500.0, 3000.0, 3000.0, 500.0, 1, VE\r\n"
                    "end\r\n");
    files.writeFile(
        joinPath(folder, native("text/american.gxt")),
        gxtFile({{"STRIP", "The Strip"}, {"ROY", "Royal Casino"}, {"VE", "Las Venturas"}}));
}

}  // namespace qv::test
