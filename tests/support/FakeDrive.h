#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "FakeGame.h"
#include "gamelink/RecordedRoute.h"
#include "platform/GameMemory.h"

namespace qv::test {

// Where the player of a scripted drive is at one moment.
struct DriveMoment {
    float x = 0, y = 0, z = 0;
    float heading = 0;  // degrees, 0 north, growing anticlockwise
    float speed = 0;    // script units
    bool horn = false;
};

// The drives the fake game programs play in real time, by name:
// - "circuit": parked with the horn held for two seconds (a car), then a square of 100 m a side
//   at 100 m/s with a horn tap half-way along its third side, back to the start, over after
//   7.5 s;
// - "parked": standing still for two minutes.
// nullopt once the drive is over, or for an unknown name.
std::optional<DriveMoment> driveMoment(std::string_view drive, double seconds);

// Puts the player of `game` into the vehicle of the drive at `moment`.
void playMoment(const DriveMoment& moment, FakeGame& game);

// What is wrong with a route recorded from the whole "circuit" drive (empty when nothing is):
// its five checkpoints (three corners, the tap and the finish) and its one car.
std::string circuitRouteMismatch(const RecordedRoute& route);

// Records from the game `opener` finds, 20 samples a second through the session, until the
// game ends (a minute at most), and says what is wrong with the route as a recording of the
// whole "circuit" drive, or with the game's end (empty when nothing is).
std::string recordedCircuitMismatch(const GameOpener& opener);

}  // namespace qv::test
