#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "platform/GameProcess.h"

namespace qv::test {

// A simulated running game: a memory image that answers reads at the addresses stored in it.
// A read that touches a byte not in the image gives 0, as an unreadable address does.
class FakeGame final : public GameProcess {
  public:
    bool gameWindowExists() const override { return running_; }
    std::uint32_t readUInt32(std::uint32_t address) const override;

    // Whether the game's window is there; while it is not, every read gives 0.
    void setRunning(bool running) { running_ = running; }

    void writeUInt32(std::uint32_t address, std::uint32_t value);
    void writeFloat(std::uint32_t address, float value);

    // Stores at `pointerLocation` a pointer to an object at `object` whose matrix at `matrix`
    // holds the position.
    void placeObject(std::uint32_t pointerLocation, std::uint32_t object, std::uint32_t matrix,
                     float x, float y, float z);
    // The player object, at its usual addresses, standing at the position with the heading
    // in radians.
    void placePlayer(float x, float y, float z, float heading);

    // Copies the image into real memory: `block`, of `size` bytes, stands for the game's
    // addresses from `blockAddress` on. False, and nothing copied, when some byte of the image
    // falls outside the block.
    bool copyTo(unsigned char* block, std::uint32_t blockAddress, std::size_t size) const;
    // Every address read so far, in order.
    const std::vector<std::uint32_t>& reads() const { return reads_; }

    // Near the two pointer locations, so that one small block of memory holds the whole chain.
    static constexpr std::uint32_t PlayerObject = 0xB70000;
    static constexpr std::uint32_t PlayerMatrix = 0xB74000;
    static constexpr std::uint32_t OtherObject = 0xB78000;
    static constexpr std::uint32_t OtherMatrix = 0xB7A000;

  private:
    bool running_ = true;
    std::map<std::uint32_t, unsigned char> memory_;
    mutable std::vector<std::uint32_t> reads_;
};

}  // namespace qv::test
