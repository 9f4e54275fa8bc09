#pragma once

#include "model/Mission.h"

namespace qv::test {

// The two projects under examples/, as a user would enter them.

// "lssprint": a Los Santos sprint from Grove Street to Santa Maria Beach; three opponents and
// the player in a car of the race, five checkpoints, no objects or events.
void fillLosSantosSprint(Mission& mission);

// "lvcircuit": a three-lap circuit around the Las Venturas Strip in the player's own car;
// traffic cones and barriers at the corners and three scripted events, one of them written
// with indented lines.
void fillVenturasCircuit(Mission& mission);

}  // namespace qv::test
