#pragma once

#include <array>
#include <cstdint>

namespace qv {

using Word32 = std::array<unsigned char, 4>;

// The 32-bit number that four bytes in little-endian order hold.
inline std::uint32_t fromLittleEndian(const Word32& bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace qv
