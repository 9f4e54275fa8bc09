#include "generator/ScriptGenerator.h"

#include <algorithm>
#include <ctime>

#include "generator/ScriptContext.h"
#include "model/NumberText.h"

namespace qv {

std::string scriptFloat(std::string_view text) {
    std::string value(text);
    if (isWholeNumber(text)) {
        value += ".0";
    }
    return value;
}

std::string timestampText(std::chrono::system_clock::time_point when) {
    const std::time_t time = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &time);
#else
    localtime_r(&time, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &local);
    return text;
}

std::vector<std::string> generateScriptLines(const Mission& mission, const std::string& timestamp) {
    const MissionParameters& p = mission.parameters();
    ScriptWriter out(p.AMissionPrefix);
    const int largestTable =
        std::max({mission.carCount(), mission.checkpointCount(), mission.objectCount()});
    const ScriptContext c{mission, p, out, p.ARaceType == Circuit, largestTable + 8};

    out.line("//This script was created by 'Quorvane'");
    out.line("//" + timestamp);
    out.lineBreakLine();

    writeTriggerThread(c);
    writeMissionThread(c);

    writeRaceBodyOpening(c);
    writeIndexConstants(c);
    writeDeclarations(c);
    writeDataFills(c);
    writeModelLoading(c);
    writeStartArea(c);
    writeCarsAndDrivers(c);
    writeObjects(c);
    writeCountdown(c);
    writeRaceLoop(c);

    writeOpponents(c);
    writeEvents(c);
    writeFinish(c);
    writeFailure(c);
    writeRemoval(c);
    writeEndBlock(c);
    return out.take();
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view lineEnd) {
    size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + lineEnd.size();
    }
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

std::string generateScript(const Mission& mission, const std::string& timestamp) {
    return joinLines(generateScriptLines(mission, timestamp));
}

}  // namespace qv
