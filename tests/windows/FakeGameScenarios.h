#pragma once

#include <numbers>
#include <string_view>

#include "FakeDrive.h"
#include "FakeGame.h"
#include "gamelink/GameMemoryLayout.h"

namespace qv::test {

// What the fake game program holds in its memory, by the name given on its command line: a
// scenario below, or the start of a drive of FakeDrive.h. Returns false for an unknown name.
inline bool fillScenario(std::string_view name, FakeGame& image) {
    namespace layout = game_memory;
    const float heading = -std::numbers::pi_v<float> / 2;
    if (name == "player") {
        image.placePlayer(2488.5601f, -1666.84f, 13.38f, heading);
    } else if (name == "fallback") {
        image.placePlayer(1, 2, 3, heading);
        image.writeUInt32(FakeGame::PlayerObject + layout::MatrixOffset, 0);
        image.placeObject(layout::FallbackPointer, FakeGame::OtherObject, FakeGame::OtherMatrix,
                          -2027.77f, 1420.5f, 15.99f);
    } else if (name == "nothing") {
        image.writeUInt32(layout::PlayerPointer, 0);
        image.writeUInt32(layout::FallbackPointer, 0);
    } else if (name == "unreadable") {
        // The player pointer leads into the first page, which no process can read.
        image.writeUInt32(layout::PlayerPointer, 0x10);
        image.writeUInt32(layout::FallbackPointer, 0);
    } else if (const auto moment = driveMoment(name, 0)) {
        playMoment(*moment, image);
    } else {
        return false;
    }
    return true;
}

}  // namespace qv::test
