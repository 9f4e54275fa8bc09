#include "ScriptTestSupport.h"

#include <algorithm>

#include "generator/ScriptGenerator.h"

namespace qv::test {

void fillSmallMission(Mission& mission, const std::function<void(MissionParameters&)>& change) {
    MissionParameters p = mission.parameters();
    if (change) {
        change(p);
    }
    mission.setParameters(p);
    mission.appendCar({"ELEGY", "1.5", "2.5", "3.5", "90.5", {}});
    mission.appendCar({"SULTAN", "4.5", "5.5", "6.5", "180.5", {}});
    mission.appendCheckpoint({"10.5", "20.5", "30.5", 40, "3"}, "Гоночный ");
    mission.appendCheckpoint({"11.5", "21.5", "31.5", 50, "1"}, "По обычным транспортным путям");
}

Lines script(const Mission& mission) {
    return generateScriptLines(mission, "01.01.2026 00:00:00");
}

int count(const Lines& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

bool contains(const Lines& lines, const std::string& line) {
    return count(lines, line) > 0;
}

bool mentions(const Lines& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(text) != std::string::npos;
    });
}

int find(const Lines& lines, const std::string& line, int from) {
    for (int i = std::max(from, 0); i < static_cast<int>(lines.size()); ++i) {
        if (lines[static_cast<size_t>(i)] == line) {
            return i;
        }
    }
    return -1;
}

Lines section(const Lines& lines, const std::string& first, const std::string& end) {
    const int begin = find(lines, first);
    if (begin < 0) {
        return {};
    }
    const int stop = find(lines, end, begin + 1);
    return Lines(lines.begin() + begin, stop < 0 ? lines.end() : lines.begin() + stop);
}

}  // namespace qv::test
