#include "gamelink/PositionCapture.h"

#include <bit>
#include <charconv>
#include <cmath>

#include "gamelink/GameMemoryLayout.h"

namespace qv {
namespace {

namespace layout = game_memory;

// π in extended precision. MSVC's long double is a plain double, so there the heading is
// converted in double precision; MinGW and GCC on x86 have the 80-bit format.
constexpr long double Pi = 3.14159265358979323851L;

float readFloat(const GameProcess& game, std::uint32_t address) {
    return std::bit_cast<float>(game.readUInt32(address));
}

// The matrix of the object whose pointer is stored at `pointerLocation`; address arithmetic
// wraps around in 32 bits as the game's own does.
std::uint32_t matrixOf(const GameProcess& game, std::uint32_t pointerLocation) {
    return game.readUInt32(game.readUInt32(pointerLocation) + layout::MatrixOffset);
}

// A heading in radians as degrees from 0 to 360.
float headingDegrees(float radians) {
    float degrees = static_cast<float>(static_cast<long double>(radians) / Pi * 180.0L);
    if (degrees < 0) {
        degrees = static_cast<float>(static_cast<long double>(degrees) + 360.0L);
    }
    return degrees;
}

}  // namespace

std::string fixedTwoDecimals(float value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, result.ptr);
    // A value that rounds to zero reads "0.00", without a sign.
    if (text == "-0.00") {
        text.erase(0, 1);
    }
    return text;
}

void getCoordinates(const GameProcess& game, const CoordinateFields& fields,
                    const CaptureWarning& warn) {
    if (!game.gameWindowExists()) {
        warn(translate(CaptureContext, GameNotRunningWarning.data()));
        return;
    }
    std::uint32_t matrix = matrixOf(game, layout::PlayerPointer);
    if (matrix == 0) {
        matrix = matrixOf(game, layout::FallbackPointer);
    }
    if (matrix == 0) {
        warn(translate(CaptureContext, MemorySearchWarning.data()));
        return;
    }
    fields.x(fixedTwoDecimals(readFloat(game, matrix + layout::XOffset)));
    fields.y(fixedTwoDecimals(readFloat(game, matrix + layout::YOffset)));
    fields.z(fixedTwoDecimals(readFloat(game, matrix + layout::ZOffset)));
    if (fields.angle) {
        // Always the player's heading, also when the position came from the fallback object.
        const std::uint32_t player = game.readUInt32(layout::PlayerPointer);
        fields.angle(
            fixedTwoDecimals(headingDegrees(readFloat(game, player + layout::HeadingOffset))));
    }
}

}  // namespace qv
