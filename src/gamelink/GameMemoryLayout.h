#pragma once

#include <cstdint>

// Where the game keeps the player's position and heading. These fixed addresses of the game's
// 32-bit process are part of the interface with the game and are used exactly as they are.
namespace qv::game_memory {

// The player object.
inline constexpr std::uint32_t PlayerPointer = 0xB6F5F0;
// Another object, standing in when the player object has no matrix (for example in a car).
inline constexpr std::uint32_t FallbackPointer = 0xB7F418;

// Offsets from an object.
inline constexpr std::uint32_t MatrixOffset = 0x14;
inline constexpr std::uint32_t HeadingOffset = 0x55C;  // radians, single float

// Offsets from a matrix, single floats.
inline constexpr std::uint32_t XOffset = 0x30;
inline constexpr std::uint32_t YOffset = 0x34;
inline constexpr std::uint32_t ZOffset = 0x38;

}  // namespace qv::game_memory
