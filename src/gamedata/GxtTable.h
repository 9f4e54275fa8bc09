#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv {

// The hash San Andreas keeps instead of a text key: the CRC-32 of the key in capitals without
// the final inversion.
std::uint32_t gxtKeyHash(std::string_view key);

// The texts of the MAIN table of a San Andreas .gxt file (text\american.gxt and its
// translations): version 4 with 8-bit characters, a TABL list of tables, then the table's TKEY
// (text offsets and key hashes) and TDAT (the NUL-ended texts). Texts are decoded as
// Windows-1251 when they are asked for, so that reading the file costs the same however its
// keys point into the texts.
class GxtTable {
  public:
    // Longer than any text the game shows; a text that has not ended by then is damage.
    static constexpr std::size_t MaxTextBytes = 4096;

    GxtTable() = default;
    // Throws Error with the reason when the bytes are no such file or are damaged.
    explicit GxtTable(std::string_view bytes);

    // The text of `key`; nothing when there is none or it runs on past MaxTextBytes.
    std::optional<std::string> find(std::string_view key) const;
    std::size_t size() const { return offsets_.size(); }

  private:
    std::string data_;  // TDAT
    // (key hash, text offset) in the order of the hashes, one per hash.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> offsets_;
};

}  // namespace qv
