#include "ProjectTestSupport.h"

#include "model/TreeTextFile.h"

namespace qv::test {

std::string treesOf(const Mission& mission) {
    return treeText(mission.carTree()) + treeText(mission.checkpointTree()) +
           treeText(mission.objectTree()) + treeText(mission.eventsTree());
}

}  // namespace qv::test
