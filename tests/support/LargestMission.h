#pragma once

#include "model/Mission.h"

namespace qv::test {

// The largest mission the model allows: 100 cars with 10 components each, 100 checkpoints, 100
// objects, 200 events with 6 conditions and 10 actions, a three-lap circuit, every flag on.
void fillLargestMission(Mission& mission);

}  // namespace qv::test
