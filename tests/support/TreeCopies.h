#pragma once

#include "model/Mission.h"

namespace qv::test {

// A deep copy of a mission's four trees, as a project file read afresh gives them.
inline MissionTrees copyTrees(const Mission& mission) {
    return {mission.carTree().cloneNodes(), mission.checkpointTree().cloneNodes(),
            mission.objectTree().cloneNodes(), mission.eventsTree().cloneNodes()};
}

}  // namespace qv::test
