#pragma once

#include "model/Mission.h"

namespace qv::test {

// The header time of both golden scripts.
inline constexpr const char* GoldenTimestamp = "01.06.2026 18:30:00";

// A Los Santos sprint: the player brings his own car (row 2 of three), three checkpoints, two
// objects, two events; traffic off, weather and time set; every behaviour flag off.
void fillGoldenSprint(Mission& mission);

// A three-lap circuit with every flag on: four cars (the player's own is row 1), four
// checkpoints, no objects, no events.
void fillGoldenCircuit(Mission& mission);

}  // namespace qv::test
