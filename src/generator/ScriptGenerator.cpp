#include "generator/ScriptGenerator.h"

#include <algorithm>
#include <ctime>

#include "generator/ScriptContext.h"
#include "model/NumberText.h"

namespace qv {

std::string_view floatSuffix(std::string_view text) {
    return isWholeNumber(text) ? ".0" : "";
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

namespace {

// Bytes of the texts of `node` and of everything under it, each with room for its indent and
// line end.
std::size_t treeBytes(const TreeNode& node) {
    std::size_t bytes = node.text().size() + 8;
    for (int i = 0; i < node.childCount(); ++i) {
        bytes += treeBytes(*node.child(i));
    }
    return bytes;
}

// Somewhat more than the script of `mission` takes: the frame every script has, the lines of
// each row and index, and the events' own texts with their frames.
std::size_t scriptSizeHint(const Mission& mission, int indexCount) {
    constexpr std::size_t FrameBytes = 12 << 10;
    constexpr std::size_t RowBytes = 320;
    constexpr std::size_t EventBytes = 96;
    const int rows =
        mission.carCount() + mission.checkpointCount() + mission.objectCount() + indexCount;
    std::size_t bytes = FrameBytes + RowBytes * static_cast<std::size_t>(rows);
    if (const TreeNode* events = mission.eventsTree().root()) {
        bytes += treeBytes(*events) + EventBytes * static_cast<std::size_t>(events->childCount());
    }
    return bytes;
}

void writeScript(const Mission& mission, const std::string& timestamp, ScriptWriter& out) {
    const MissionParameters& p = mission.parameters();
    const int largestTable =
        std::max({mission.carCount(), mission.checkpointCount(), mission.objectCount()});
    const ScriptContext c{mission, p, out, p.ARaceType == Circuit, largestTable + 8};
    out.reserve(scriptSizeHint(mission, c.indexCount));

    out.line("//This script was created by 'Quorvane'");
    out.line("//", timestamp);
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
}

}  // namespace

std::vector<std::string> generateScriptLines(const Mission& mission, const std::string& timestamp) {
    ScriptWriter out(mission.parameters().AMissionPrefix);
    writeScript(mission, timestamp, out);
    return out.takeLines();
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
    ScriptWriter out(mission.parameters().AMissionPrefix, "\r\n");
    writeScript(mission, timestamp, out);
    return out.takeText();
}

}  // namespace qv
