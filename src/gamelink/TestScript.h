#pragma once

#include <string>
#include <vector>

namespace qv {

// The standalone main script of a test run: a small frame that defines the one mission, sets up
// the player in Los Santos and starts the mission's trigger thread, followed by the mission's
// lines. The test script defines exactly one mission, number 0, so the trigger thread's
// "start_mission N" (the first such line of the mission) starts mission 0 here.
std::vector<std::string> testScriptLines(const std::vector<std::string>& missionLines,
                                         const std::string& labelPrefix);

}  // namespace qv
