#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// Little-endian fields read from bytes that nobody vouches for: every read is checked against
// the end, and one that would pass it throws Error with the message the reader was made with.
class ByteReader {
  public:
    ByteReader(std::string_view bytes, std::string truncatedMessage)
        : bytes_(bytes), truncated_(std::move(truncatedMessage)) {}

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return bytes_.size() - position_; }

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    // The next `count` bytes.
    std::string_view take(std::size_t count);
    void skip(std::size_t count) { take(count); }
    // Moves to `position`, which must lie within the bytes (their end included).
    void seek(std::size_t position);

  private:
    void need(std::size_t count) const;

    std::string_view bytes_;
    std::string truncated_;
    std::size_t position_ = 0;
};

// The text of a fixed-size name field: up to its first NUL byte.
std::string_view fixedName(std::string_view field);

}  // namespace qv
