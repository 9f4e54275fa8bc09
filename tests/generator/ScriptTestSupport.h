#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/Mission.h"

namespace qv::test {

using Lines = std::vector<std::string>;

// A mission that passes the input check: two cars, two checkpoints, default parameters;
// `change` adjusts the parameters before the rows are added.
void fillSmallMission(Mission& mission,
                      const std::function<void(MissionParameters&)>& change = nullptr);

Lines script(const Mission& mission);

// How many lines equal `line`.
int count(const Lines& lines, const std::string& line);
bool contains(const Lines& lines, const std::string& line);
// Whether some line contains `text` anywhere.
bool mentions(const Lines& lines, const std::string& text);
// Index of the first line equal to `line` at or after `from`; -1 when there is none.
int find(const Lines& lines, const std::string& line, int from = 0);
// The lines from the one equal to `first` up to, not including, the one equal to `end` after it.
Lines section(const Lines& lines, const std::string& first, const std::string& end);

}  // namespace qv::test
