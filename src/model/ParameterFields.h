#pragma once

#include <string>
#include <vector>

#include "model/MissionParameters.h"

namespace qv {

// The fields of MissionParameters by number, for the steps of the mission's history.

// The numbers of the fields whose values differ between `a` and `b`, in declaration order.
std::vector<int> changedParameterFields(const MissionParameters& a, const MissionParameters& b);
// What a change of field `field` is called in the "Правка" menu ("название миссии").
std::string parameterFieldName(int field);

}  // namespace qv
