#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "model/Mission.h"

namespace qv {

// The local date and time for the script's header line, "dd.mm.yyyy hh:mm:ss".
std::string timestampText(std::chrono::system_clock::time_point when);

// The complete Sanny Builder source of the race mission, line by line. `timestamp` fills the
// header's date-time line; the laps of a circuit come from the mission's ALapsCount.
std::vector<std::string> generateScriptLines(const Mission& mission, const std::string& timestamp);

// The same text as one string, each line ended by CR LF.
std::string generateScript(const Mission& mission, const std::string& timestamp);

// Lines joined, each followed by `lineEnd`.
std::string joinLines(const std::vector<std::string>& lines, std::string_view lineEnd = "\r\n");

}  // namespace qv
