#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace qv {

// The hash San Andreas keeps instead of a text key: the CRC-32 of the key in capitals without
// the final inversion.
std::uint32_t gxtKeyHash(std::string_view key);

// The texts of the MAIN table of a San Andreas .gxt file (text\american.gxt and its
// translations): version 4 with 8-bit characters, a TABL list of tables, then the table's TKEY
// (text offsets and key hashes) and TDAT (the NUL-ended texts). Texts are decoded as
// Windows-1251.
class GxtTable {
  public:
    GxtTable() = default;
    // Throws Error with the reason when the bytes are no such file or are damaged.
    explicit GxtTable(std::string_view bytes);

    std::optional<std::string> find(std::string_view key) const;
    std::size_t size() const { return texts_.size(); }

  private:
    std::unordered_map<std::uint32_t, std::string> texts_;
};

}  // namespace qv
