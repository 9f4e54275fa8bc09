#include "FakeGame.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

#include "gamelink/GameMemoryLayout.h"
#include "platform/LittleEndian.h"

namespace qv::test {

namespace layout = game_memory;
namespace recorder = game_memory::recorder;

// What the fake game opens: the image, while the same start of the game runs.
class FakeGame::Memory final : public GameMemory {
  public:
    Memory(const FakeGame& game, int process) : game_(game), process_(process) {}

    bool read(std::uint32_t address, void* into, std::size_t size) override {
        return stillRunning() && game_.readBlock(address, into, size);
    }
    bool stillRunning() override { return game_.running_ && game_.process_ == process_; }

  private:
    const FakeGame& game_;
    int process_;
};

std::unique_ptr<GameMemory> FakeGame::open() const {
    return running_ ? std::make_unique<Memory>(*this, process_) : nullptr;
}

void FakeGame::setRunning(bool running) {
    if (running && !running_) {
        ++process_;
    }
    running_ = running;
}

bool FakeGame::readBlock(std::uint32_t address, void* into, std::size_t size) const {
    ++blockReads_;
    auto* bytes = static_cast<unsigned char*>(into);
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = memory_.find(address + static_cast<std::uint32_t>(i));
        if (byte == memory_.end()) {
            return false;
        }
        bytes[i] = byte->second;
    }
    return true;
}

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

void FakeGame::writeUInt16(std::uint32_t address, std::uint16_t value) {
    memory_[address] = static_cast<unsigned char>(value);
    memory_[address + 1] = static_cast<unsigned char>(value >> 8);
}

void FakeGame::makeReadable(std::uint32_t address, std::uint32_t size) {
    for (std::uint32_t i = 0; i < size; ++i) {
        memory_.try_emplace(address + i, 0);
    }
}

void FakeGame::placeDriver() {
    makeReadable(DriverPed, recorder::PedVehicleOffset + 4);
    makeReadable(Vehicle, recorder::MoveSpeedOffset + 12);
    makeReadable(recorder::PlayerPad, recorder::PadSize);
    makeReadable(VehicleMatrix, recorder::PositionZOffset + 4);
    makeReadable(PedMatrix, recorder::PositionZOffset + 4);
    writeUInt32(recorder::PlayerPed, DriverPed);
    writeUInt32(DriverPed + recorder::EntityMatrixOffset, PedMatrix);
    writeUInt32(DriverPed + recorder::PedVehicleOffset, Vehicle);
    writeUInt32(Vehicle + recorder::EntityMatrixOffset, VehicleMatrix);
}

void FakeGame::placeVehicle(float x, float y, float z, float headingDegrees, int model,
                            float speed) {
    placeDriver();
    const double radians = headingDegrees * std::numbers::pi / 180.0;
    const auto forwardX = static_cast<float>(-std::sin(radians));
    const auto forwardY = static_cast<float>(std::cos(radians));
    for (const std::uint32_t matrix : {VehicleMatrix, PedMatrix}) {
        writeFloat(matrix + recorder::ForwardXOffset, forwardX);
        writeFloat(matrix + recorder::ForwardYOffset, forwardY);
        writeFloat(matrix + recorder::PositionXOffset, x);
        writeFloat(matrix + recorder::PositionYOffset, y);
        writeFloat(matrix + recorder::PositionZOffset, z);
    }
    // Some other flag bits set, as the game has them.
    writeUInt32(DriverPed + recorder::PedFlagsOffset, recorder::InVehicleFlag | 0x3);
    writeUInt16(Vehicle + recorder::ModelOffset, static_cast<std::uint16_t>(model));
    const float perFrame = speed / recorder::ScriptSpeedScale;
    writeFloat(Vehicle + recorder::MoveSpeedOffset, forwardX * perFrame);
    writeFloat(Vehicle + recorder::MoveSpeedOffset + 4, forwardY * perFrame);
    writeFloat(Vehicle + recorder::MoveSpeedOffset + 8, 0);
}

void FakeGame::setOnFoot() {
    placeDriver();
    writeUInt32(DriverPed + recorder::PedFlagsOffset, 0x3);
}

void FakeGame::setHorn(bool down) {
    horn_ = down;
    placeDriver();
    for (const std::uint32_t offset :
         {recorder::HornMode0Offset, recorder::HornMode1Offset, recorder::HornMode2Offset}) {
        writeUInt16(recorder::PlayerPad + offset, 0);
    }
    const std::uint32_t offset = padMode_ == 1   ? recorder::HornMode1Offset
                                 : padMode_ == 2 ? recorder::HornMode2Offset
                                                 : recorder::HornMode0Offset;
    writeUInt16(recorder::PlayerPad + offset, down ? 255 : 0);
}

void FakeGame::setPadMode(int mode) {
    padMode_ = mode;
    placeDriver();
    writeUInt16(recorder::PlayerPad + recorder::PadModeOffset, static_cast<std::uint16_t>(mode));
    setHorn(horn_);
}

void FakeGame::setControlsOff(bool off) {
    placeDriver();
    writeUInt16(recorder::PlayerPad + recorder::ControlsOffOffset, off ? 1 : 0);
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
