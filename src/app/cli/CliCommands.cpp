#include "app/cli/CliCommands.h"

#include <chrono>

#include "app/cli/CliRecord.h"
#include "gamelink/TestScript.h"
#include "generator/ScriptFile.h"
#include "generator/ScriptGenerator.h"
#include "generator/ScriptWarnings.h"
#include "model/Error.h"
#include "model/InputCheck.h"
#include "model/ProjectFile.h"

namespace qv::cli {

namespace {

// The summary box's text uses CR LF; a terminal wants plain line ends.
std::string withLineFeeds(std::string text) {
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
        ++at;
    }
    return text;
}

void build(const Options& options, Mission& mission, FileSystem& files, std::ostream& out) {
    if (options.laps) {
        MissionParameters p = mission.parameters();
        p.ALapsCount = *options.laps;
        mission.setParameters(p);
    }
    checkInput(mission);
    const std::string timestamp =
        options.timestamp.value_or(timestampText(std::chrono::system_clock::now()));
    std::vector<std::string> lines = generateScriptLines(mission, timestamp);
    if (options.testScript) {
        lines = testScriptLines(lines, mission.parameters().AMissionPrefix);
    }
    if (!options.output) {
        out << joinLines(lines, "\n");
        return;
    }
    saveScriptFile(files, *options.output, lines);
}

// The input check, then every warning, one a line.
void check(Mission& mission, std::ostream& out) {
    checkInput(mission);
    for (const ScriptWarning& warning : scriptWarnings(mission)) {
        out << warningLine(warning) << '\n';
    }
}

}  // namespace

void runCommand(const Options& options, FileSystem& files, std::ostream& out,
                const GameOpener& game) {
    if (options.command == Command::Help) {
        out << usageText();
        return;
    }
    if (files.isDirectory(options.project)) {
        throw Error("\"" + options.project + "\" is a folder; give the project's .qvnx file");
    }
    Mission mission;
    const LoadSummary summary = loadProject(mission, options.project, files);
    switch (options.command) {
        case Command::Build:
            build(options, mission, files, out);
            break;
        case Command::Check:
            check(mission, out);
            break;
        case Command::Info:
            out << summary.title << '\n' << withLineFeeds(summary.text) << '\n';
            break;
        case Command::SaveAs:
            saveProject(mission, options.newPath, files);
            break;
        case Command::Record:
            recordRoute(options, mission, game, out);
            if (mission.modified()) {
                saveProject(mission, options.project, files);
            }
            break;
        case Command::Help:
            break;
    }
}

}  // namespace qv::cli
