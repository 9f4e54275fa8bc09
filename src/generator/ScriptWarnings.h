#pragma once

#include <string>
#include <vector>

#include "model/Mission.h"

namespace qv {

// Something in a race that Sanny Builder or the game would refuse or mishandle, found after the
// input check has passed. A warning never stops a build and never changes the script.
struct ScriptWarning {
    MissionPart part;   // where it lies: Parameters, Cars, Checkpoints, Objects or Events
    int row;            // the row it names, from 1; 0 for the part as a whole
    std::string where;  // that place in words, "Машина №3"
    std::string text;   // what happens in the game and what to do, one Russian sentence

    bool operator==(const ScriptWarning&) const = default;
};

// Every warning for `mission`, in the order of the editor's tabs and windows.
std::vector<ScriptWarning> scriptWarnings(const Mission& mission);

// "warning: <where>: <text>", as the command-line tool prints it.
std::string warningLine(const ScriptWarning& warning);

}  // namespace qv
