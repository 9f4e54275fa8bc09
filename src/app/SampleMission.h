#pragma once

#include "model/Mission.h"

namespace qv {

// A short Los Santos sprint: three cars, four checkpoints, one object and one event.
void fillSampleMission(Mission& mission);

}  // namespace qv
