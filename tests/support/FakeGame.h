#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/GameMemory.h"
#include "platform/GameProcess.h"

namespace qv::test {

// A simulated running game: a memory image that answers reads at the addresses stored in it.
// A read that touches a byte not in the image gives 0 (a block read fails), as an unreadable
// address does. It is also its own opener: the memory it opens reads the image while the game
// runs, and ends for good when the game stops (a start after that is a new process).
class FakeGame final : public GameProcess, public GameOpener {
  public:
    bool gameWindowExists() const override { return running_; }
    std::uint32_t readUInt32(std::uint32_t address) const override;
    std::unique_ptr<GameMemory> open() const override;

    // Whether the game's window is there; while it is not, every read gives 0.
    void setRunning(bool running);

    void writeUInt32(std::uint32_t address, std::uint32_t value);
    void writeUInt16(std::uint32_t address, std::uint16_t value);
    void writeFloat(std::uint32_t address, float value);
    // Makes every byte of the range readable, as 0 where nothing was written.
    void makeReadable(std::uint32_t address, std::uint32_t size);

    // The player in a vehicle of `model`, at the place with the heading (degrees, 0 north,
    // growing anticlockwise), moving forward at `speed` (script units).
    void placeVehicle(float x, float y, float z, float headingDegrees, int model, float speed);
    // The player out of the vehicle, standing where it is.
    void setOnFoot();
    // The horn button of the pad's mode (0 to 3), as the last setPadMode chose it.
    void setHorn(bool down);
    void setPadMode(int mode);
    void setControlsOff(bool off);
    // Block reads through opened memory so far.
    int blockReads() const { return blockReads_; }

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
    // The recorder's chain, in the same block: the ped, its vehicle and their matrices.
    static constexpr std::uint32_t DriverPed = 0xB7B000;
    static constexpr std::uint32_t Vehicle = 0xB7C000;
    static constexpr std::uint32_t VehicleMatrix = 0xB7C800;
    static constexpr std::uint32_t PedMatrix = 0xB7CA00;

  private:
    class Memory;
    bool readBlock(std::uint32_t address, void* into, std::size_t size) const;
    void placeDriver();

    bool running_ = true;
    int process_ = 1;  // which start of the game runs
    int padMode_ = 0;
    bool horn_ = false;
    std::map<std::uint32_t, unsigned char> memory_;
    mutable std::vector<std::uint32_t> reads_;
    mutable int blockReads_ = 0;
};

}  // namespace qv::test
