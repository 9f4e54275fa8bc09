#include "FakeGame.h"

#include <algorithm>
#include <bit>

#include "gamelink/GameMemoryLayout.h"
#include "platform/LittleEndian.h"

namespace qv::test {

namespace layout = game_memory;

std::uint32_t FakeGame::readUInt32(std::uint32_t address) const {
    reads_.push_back(address);
    if (!running_) {
        return 0;
    }
    Word32 bytes{};
    for (std::uint32_t i = 0; i < bytes.size(); ++i) {
        const auto byte = memory_.find(address + i);
        if (byte == memory_.end()) {
            return 0;
        }
        bytes[i] = byte->second;
    }
    return fromLittleEndian(bytes);
}

void FakeGame::writeUInt32(std::uint32_t address, std::uint32_t value) {
    for (std::uint32_t i = 0; i < 4; ++i) {
        memory_[address + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

void FakeGame::writeFloat(std::uint32_t address, float value) {
    writeUInt32(address, std::bit_cast<std::uint32_t>(value));
}

void FakeGame::placeObject(std::uint32_t pointerLocation, std::uint32_t object,
                           std::uint32_t matrix, float x, float y, float z) {
    writeUInt32(pointerLocation, object);
    writeUInt32(object + layout::MatrixOffset, matrix);
    writeFloat(matrix + layout::XOffset, x);
    writeFloat(matrix + layout::YOffset, y);
    writeFloat(matrix + layout::ZOffset, z);
}

void FakeGame::placePlayer(float x, float y, float z, float heading) {
    placeObject(layout::PlayerPointer, PlayerObject, PlayerMatrix, x, y, z);
    writeFloat(PlayerObject + layout::HeadingOffset, heading);
}

bool FakeGame::copyTo(unsigned char* block, std::uint32_t blockAddress, std::size_t size) const {
    const auto outside = [&](const auto& byte) {
        return byte.first < blockAddress || byte.first - blockAddress >= size;
    };
    if (std::ranges::any_of(memory_, outside)) {
        return false;
    }
    for (const auto& [address, value] : memory_) {
        block[address - blockAddress] = value;
    }
    return true;
}

}  // namespace qv::test
