#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Windows-1251, the single-byte code page of every file the program reads and writes. Inside
// the program texts are UTF-8; the conversion happens only where bytes meet a file.

// The UTF-8 text of Windows-1251 bytes. Every byte has a character, the unassigned 0x98
// included (as U+0098), so decoding never fails and encoding the result gives the same bytes.
std::string decodeCp1251(std::string_view bytes);

// What stopped an encoding: the offset of the character in the UTF-8 text, and the character
// (nullopt when the bytes there are not UTF-8 at all).
struct Cp1251Failure {
    std::size_t offset = 0;
    std::optional<char32_t> character;
};

// Encodes `utf8` into `bytes`; on a character Windows-1251 has no byte for, returns where it
// stands and leaves `bytes` unspecified.
std::optional<Cp1251Failure> encodeCp1251(std::string_view utf8, std::string& bytes);

// Encodes a file's text, or throws Error naming the character, the file, the line and its
// text, so the user can find what to change.
std::string encodeCp1251File(std::string_view utf8, const std::string& path);

}  // namespace qv
