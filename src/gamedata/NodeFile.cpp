#include "gamedata/NodeFile.h"

#include "gamedata/ByteReader.h"
#include "model/Error.h"
#include "platform/Translation.h"

namespace qv {
namespace {

constexpr std::size_t HeaderSize = 20;
constexpr std::size_t NodeSize = 28;
constexpr std::size_t NaviNodeSize = 14;
constexpr std::size_t LinkSize = 4;
// Within a node: its position (three int16 in eighths of a unit), the place of its first link,
// and its flags, whose low four bits count its links.
constexpr std::size_t PositionAt = 8;
constexpr std::size_t FirstLinkAt = 16;
constexpr std::size_t FlagsAt = 24;
constexpr float PositionUnit = 8;

// Little-endian fields at places already checked to lie within the bytes.
std::uint16_t u16At(std::string_view bytes, std::uint64_t at) {
    const auto byte = [&](std::uint64_t i) {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[i]));
    };
    return static_cast<std::uint16_t>(byte(at) | byte(at + 1) << 8);
}

float coordinateAt(std::string_view bytes, std::uint64_t at) {
    return static_cast<float>(static_cast<std::int16_t>(u16At(bytes, at))) / PositionUnit;
}

}  // namespace

std::string nodeFileName(int area) {
    return "nodes" + std::to_string(area) + ".dat";
}

PathArea readNodeFile(std::string_view bytes) {
    ByteReader header(bytes, translate("NodeFile", "файл короче заголовка"));
    const std::uint64_t all = header.u32();
    const std::uint64_t cars = header.u32();
    const std::uint64_t peds = header.u32();
    const std::uint64_t navi = header.u32();
    const std::uint64_t links = header.u32();
    if (cars + peds != all) {
        throw Error(formatText(translate("NodeFile", "узлов %1, а машин и пешеходов вместе %2"),
                               {std::to_string(all), std::to_string(cars + peds)}));
    }
    // Every count is at most 2^32, so the sizes cannot overflow 64 bits.
    const std::uint64_t linksAt = HeaderSize + all * NodeSize + navi * NaviNodeSize;
    const std::uint64_t needed = linksAt + links * LinkSize;
    if (needed > bytes.size()) {
        throw Error(formatText(
            translate("NodeFile", "файл обрывается: заголовок обещает %1 байт, а в файле %2"),
            {std::to_string(needed), std::to_string(bytes.size())}));
    }
    // From here on every node and link read lies within the file.
    PathArea area;
    area.nodes.reserve(cars);
    for (std::uint64_t i = 0; i < cars; ++i) {
        const std::uint64_t at = HeaderSize + i * NodeSize;
        area.nodes.push_back({coordinateAt(bytes, at + PositionAt),
                              coordinateAt(bytes, at + PositionAt + 2),
                              coordinateAt(bytes, at + PositionAt + 4)});
        const std::uint64_t first = u16At(bytes, at + FirstLinkAt);
        const std::uint64_t count = static_cast<unsigned char>(bytes[at + FlagsAt]) & 0x0F;
        if (first + count > links) {
            throw Error(
                formatText(translate("NodeFile", "ссылки узла %1 (%2 … %3) за концом списка из %4"),
                           {std::to_string(i), std::to_string(first), std::to_string(first + count),
                            std::to_string(links)}));
        }
        for (std::uint64_t k = first; k < first + count; ++k) {
            const std::uint64_t link = linksAt + k * LinkSize;
            area.links.push_back(
                {static_cast<std::uint32_t>(i), {u16At(bytes, link), u16At(bytes, link + 2)}});
        }
    }
    return area;
}

}  // namespace qv
