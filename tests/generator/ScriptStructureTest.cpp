// Structural invariants that must hold for every mission: blocks that are opened are closed,
// and every label that is referenced is defined exactly once.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ScriptTestSupport.h"

namespace qv::test {
namespace {

std::string trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

// Returns the first fault found, or "" when every "if ... then", "while", "for" and "var" is
// closed by exactly one "end" (an "if" followed by "jf" opens no block).
std::string blockFault(const Lines& lines) {
    std::vector<std::string> open;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = trimmed(lines[i]);
        if (line.starts_with("for ")) {
            open.push_back("for");
        } else if (line == "var") {
            open.push_back("var");
        } else if (line.starts_with("while ")) {
            open.push_back("while");
        } else if (line == "if" || line == "if and" || line == "if or") {
            size_t j = i + 1;
            while (j < lines.size() && trimmed(lines[j]) != "then" &&
                   !trimmed(lines[j]).starts_with("jf ")) {
                ++j;
            }
            if (j == lines.size()) {
                return "an if without then or jf at line " + std::to_string(i + 1);
            }
            if (trimmed(lines[j]) == "then") {
                open.push_back("if");
            }
        } else if (line == "else") {
            if (open.empty() || open.back() != "if") {
                return "else outside an if at line " + std::to_string(i + 1);
            }
        } else if (line == "end") {
            if (open.empty()) {
                return "end without a block at line " + std::to_string(i + 1);
            }
            open.pop_back();
        }
    }
    return open.empty() ? "" : std::to_string(open.size()) + " block(s) never closed";
}

std::string labelFault(const Lines& lines) {
    std::map<std::string, int> defined;
    for (const auto& line : lines) {
        if (line.starts_with(":")) {
            ++defined[line.substr(1)];
        }
    }
    for (const auto& [name, times] : defined) {
        if (times != 1) {
            return "label " + name + " defined " + std::to_string(times) + " times";
        }
    }
    for (const auto& line : lines) {
        for (auto at = line.find('@'); at != std::string::npos; at = line.find('@', at + 1)) {
            if (at > 0 && line[at - 1] != ' ') {
                continue;  // a local variable such as 11@
            }
            auto end = line.find(' ', at);
            const std::string name =
                line.substr(at + 1, end == std::string::npos ? end : end - at - 1);
            if (!defined.contains(name)) {
                return "reference to undefined label " + name + " in: " + line;
            }
        }
    }
    return "";
}

// Every combination of what changes the script's structure: ten switches, each on its own bit.
TEST(ScriptStructure, BlocksAreClosedAndLabelsDefinedInEveryKindOfMission) {
    for (int mask = 0; mask < (1 << 10); ++mask) {
        const auto on = [mask](int bit) { return (mask & (1 << bit)) != 0; };
        Mission mission;
        fillSmallMission(mission, [&](MissionParameters& p) {
            p.ARaceType = on(0) ? Circuit : Sprint;
            p.PlayerCar = on(1);
            p.Flags = {on(2), on(3), on(4), on(9)};
            p.PassRepeat = p.BP = p.VH = on(5);
            p.IHBar = on(5) ? 3 : 0;
            p.ATime = on(6);
            p.AWeather = on(6) ? 9 : 0;
            p.AMissionPrefix = on(7) ? "Race_A" : "RaceMission1";
        });
        if (on(7)) {
            mission.appendObject({"1238"});
            mission.appendObject({"1239"});
        }
        if (on(8)) {
            mission.appendEvent({"", {"$kar == 1"}, {"wait 0 ms"}});
            mission.appendEvent({"and", {"c1", "c2"}, {"if", " c", "then", " a", "end"}});
        }
        const Lines lines = script(mission);
        ASSERT_EQ(blockFault(lines), "") << "mission " << mask;
        ASSERT_EQ(labelFault(lines), "") << "mission " << mask;
    }
}

TEST(ScriptStructure, TheCheckersThemselvesCatchFaults) {
    EXPECT_NE(blockFault({"for $a = 1 to 2", "if", " c", "then", "end"}), "");
    EXPECT_NE(blockFault({"end"}), "");
    EXPECT_NE(blockFault({"while x", "else", "end"}), "");
    EXPECT_EQ(blockFault({"if", " c", "jf @x", "while y", "end"}), "");
    EXPECT_NE(labelFault({":a", "jf @b"}), "");
    EXPECT_NE(labelFault({":a", ":a"}), "");
    EXPECT_EQ(labelFault({":a", "gosub @a", "0085: 13@ = 12@"}), "");
}

}  // namespace
}  // namespace qv::test
