#include "gamedata/GxtTable.h"

#include <algorithm>
#include <array>

#include "gamedata/ByteReader.h"
#include "model/Cp1251.h"
#include "model/Error.h"
#include "platform/Translation.h"

namespace qv {
namespace {

constexpr std::array<std::uint32_t, 256> crcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[i] = c;
    }
    return table;
}

constexpr auto CrcTable = crcTable();

void expectTag(ByteReader& reader, std::string_view tag) {
    if (reader.take(4) != tag) {
        throw Error(formatText(translate("GxtTable", "текст игры повреждён: нет блока %1"), {tag}));
    }
}

}  // namespace

std::uint32_t gxtKeyHash(std::string_view key) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char c : key) {
        const auto upper = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        crc = CrcTable[(crc ^ upper) & 0xFF] ^ (crc >> 8);
    }
    return crc;
}

GxtTable::GxtTable(std::string_view bytes) {
    const std::string truncated = translate("GxtTable", "текст игры обрывается");
    ByteReader reader(bytes, truncated);
    const std::uint16_t version = reader.u16();
    const std::uint16_t bits = reader.u16();
    if (version != 4) {
        throw Error(formatText(translate("GxtTable", "не текст San Andreas (версия %1)"),
                               {std::to_string(version)}));
    }
    if (bits != 8) {
        throw Error(
            formatText(translate("GxtTable", "текст игры в %1-битных символах не поддерживается"),
                       {std::to_string(bits)}));
    }
    expectTag(reader, "TABL");
    if (reader.u32() < 12) {
        throw Error(translate("GxtTable", "в тексте игры нет таблиц"));
    }
    // The first table is MAIN, whose offset leads straight to its TKEY.
    reader.skip(8);
    reader.seek(reader.u32());
    expectTag(reader, "TKEY");
    const std::uint32_t keysSize = reader.u32();
    ByteReader keys(reader.take(keysSize), truncated);
    expectTag(reader, "TDAT");
    data_ = reader.take(reader.u32());
    offsets_.reserve(keys.remaining() / 8);
    while (keys.remaining() >= 8) {
        const std::uint32_t offset = keys.u32();
        const std::uint32_t hash = keys.u32();
        if (offset >= data_.size()) {
            throw Error(translate("GxtTable", "текст игры повреждён: строка за концом TDAT"));
        }
        offsets_.emplace_back(hash, offset);
    }
    // Of keys with one hash, the first in the file counts.
    std::stable_sort(offsets_.begin(), offsets_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    offsets_.erase(std::unique(offsets_.begin(), offsets_.end(),
                               [](const auto& a, const auto& b) { return a.first == b.first; }),
                   offsets_.end());
}

std::optional<std::string> GxtTable::find(std::string_view key) const {
    const std::uint32_t hash = gxtKeyHash(key);
    const auto it =
        std::lower_bound(offsets_.begin(), offsets_.end(), hash,
                         [](const auto& entry, std::uint32_t h) { return entry.first < h; });
    if (it == offsets_.end() || it->first != hash) {
        return std::nullopt;
    }
    // The last text may end with TDAT itself rather than with a NUL.
    const std::string_view rest = std::string_view(data_).substr(it->second, MaxTextBytes + 1);
    const std::string_view text = fixedName(rest);
    if (text.size() > MaxTextBytes) {
        return std::nullopt;
    }
    return decodeCp1251(text);
}

}  // namespace qv
