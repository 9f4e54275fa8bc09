#include "gamedata/ByteReader.h"

#include "model/Error.h"

namespace qv {

void ByteReader::need(std::size_t count) const {
    if (count > remaining()) {
        throw Error(truncated_);
    }
}

std::uint8_t ByteReader::u8() {
    need(1);
    return static_cast<std::uint8_t>(bytes_[position_++]);
}

std::uint16_t ByteReader::u16() {
    const std::uint16_t low = u8();
    return static_cast<std::uint16_t>(low | u8() << 8);
}

std::uint32_t ByteReader::u32() {
    const std::uint32_t low = u16();
    return low | static_cast<std::uint32_t>(u16()) << 16;
}

std::string_view ByteReader::take(std::size_t count) {
    need(count);
    const std::string_view part = bytes_.substr(position_, count);
    position_ += count;
    return part;
}

void ByteReader::seek(std::size_t position) {
    if (position > bytes_.size()) {
        throw Error(truncated_);
    }
    position_ = position;
}

std::string_view fixedName(std::string_view field) {
    return field.substr(0, field.find('\0'));
}

}  // namespace qv
