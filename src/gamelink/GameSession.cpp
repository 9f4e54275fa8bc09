#include "gamelink/GameSession.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <numbers>

#include "gamelink/GameMemoryLayout.h"

namespace qv {
namespace {

namespace layout = game_memory::recorder;

// A block of the game's memory read at once, and the values inside it by their offset.
template <std::size_t Size>
struct Block {
    std::array<unsigned char, Size> bytes{};

    std::uint32_t word(std::uint32_t offset) const {
        return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
               static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
    }
    std::int16_t half(std::uint32_t offset) const {
        return static_cast<std::int16_t>(bytes[offset] | bytes[offset + 1] << 8);
    }
    float real(std::uint32_t offset) const { return std::bit_cast<float>(word(offset)); }
};

template <std::size_t Size>
bool readBlock(GameMemory& memory, std::uint32_t address, Block<Size>& block) {
    return address != 0 && memory.read(address, block.bytes.data(), Size);
}

// The ped's bytes from its flags to its vehicle pointer.
constexpr std::uint32_t PedBlockSize = layout::PedVehicleOffset + 4 - layout::PedFlagsOffset;
// An entity's bytes from its matrix pointer to its speed.
constexpr std::uint32_t EntityBlockSize = layout::MoveSpeedOffset + 12 - layout::EntityMatrixOffset;
// A matrix's bytes from its forward vector to its position.
constexpr std::uint32_t MatrixBlockSize = layout::PositionZOffset + 4 - layout::ForwardXOffset;

// Whether a value can be a coordinate, a direction or a speed of the game (no NaN, no
// infinity, no garbage of a wrong pointer).
bool plausible(float value) {
    return std::isfinite(value) && std::abs(value) < 1.0e5f;
}

// Degrees from 0 to 360, 0 facing north, growing anticlockwise, of a forward vector.
float headingOf(float forwardX, float forwardY) {
    double degrees = std::atan2(-double(forwardX), double(forwardY)) * 180.0 / std::numbers::pi;
    if (degrees < 0) {
        degrees += 360.0;
    }
    return degrees >= 360.0 ? 0.0f : static_cast<float>(degrees);
}

// Whether the horn is down on the pad, whichever button its mode makes the horn.
bool hornDown(const Block<layout::PadSize>& pad) {
    switch (pad.half(layout::PadModeOffset)) {
        case 0:
        case 3:
            return pad.half(layout::HornMode0Offset) != 0;
        case 1:
            return pad.half(layout::HornMode1Offset) != 0;
        case 2:
            return pad.half(layout::HornMode2Offset) != 0;
        default:
            return false;
    }
}

// The sample's fields from the entity the player is (the vehicle, or the ped on foot).
std::optional<GameSample> readEntity(GameMemory& memory, std::uint32_t entity, GameSample sample) {
    Block<EntityBlockSize> body;
    Block<MatrixBlockSize> matrix;
    if (entity == 0 || !readBlock(memory, entity + layout::EntityMatrixOffset, body) ||
        body.word(0) == 0 || !readBlock(memory, body.word(0) + layout::ForwardXOffset, matrix)) {
        return std::nullopt;
    }
    const auto at = [](std::uint32_t offset) { return offset - layout::ForwardXOffset; };
    const float forwardX = matrix.real(at(layout::ForwardXOffset));
    const float forwardY = matrix.real(at(layout::ForwardYOffset));
    sample.x = matrix.real(at(layout::PositionXOffset));
    sample.y = matrix.real(at(layout::PositionYOffset));
    sample.z = matrix.real(at(layout::PositionZOffset));
    if (!plausible(forwardX) || !plausible(forwardY) || !plausible(sample.x) ||
        !plausible(sample.y) || !plausible(sample.z) || (forwardX == 0 && forwardY == 0)) {
        return std::nullopt;
    }
    sample.heading = headingOf(forwardX, forwardY);
    if (!sample.inVehicle) {
        return sample;
    }
    const auto speedAt = [](std::uint32_t offset) {
        return layout::MoveSpeedOffset - layout::EntityMatrixOffset + offset;
    };
    const float vx = body.real(speedAt(0));
    const float vy = body.real(speedAt(4));
    const float vz = body.real(speedAt(8));
    if (!plausible(vx) || !plausible(vy) || !plausible(vz)) {
        return std::nullopt;
    }
    sample.model = body.half(layout::ModelOffset - layout::EntityMatrixOffset);
    sample.speed = static_cast<float>(std::hypot(double(vx), double(vy), double(vz)) *
                                      layout::ScriptSpeedScale);
    return sample;
}

std::optional<GameSample> readSample(GameMemory& memory, double time) {
    Block<4> player;
    Block<PedBlockSize> ped;
    Block<layout::PadSize> pad;
    if (!readBlock(memory, layout::PlayerPed, player) || player.word(0) == 0 ||
        !readBlock(memory, player.word(0) + layout::PedFlagsOffset, ped) ||
        !readBlock(memory, layout::PlayerPad, pad)) {
        return std::nullopt;
    }
    GameSample sample;
    sample.time = time;
    sample.inVehicle = (ped.word(0) & layout::InVehicleFlag) != 0;
    sample.controlsOff = pad.half(layout::ControlsOffOffset) != 0;
    sample.horn = sample.inVehicle && !sample.controlsOff && hornDown(pad);
    const std::uint32_t entity = sample.inVehicle
                                     ? ped.word(layout::PedVehicleOffset - layout::PedFlagsOffset)
                                     : player.word(0);
    return readEntity(memory, entity, sample);
}

}  // namespace

GameSession::GameSession(const GameOpener& opener) : memory_(opener.open()) {
    state_ = memory_ ? State::Open : State::NotRunning;
}

std::optional<GameSample> GameSession::read(double time) {
    if (!memory_) {
        return std::nullopt;
    }
    std::optional<GameSample> sample = readSample(*memory_, time);
    // Asked after the reads: what they gave came from the game opened only if it still runs.
    if (!memory_->stillRunning()) {
        memory_.reset();
        state_ = State::Ended;
        return std::nullopt;
    }
    return sample;
}

}  // namespace qv
