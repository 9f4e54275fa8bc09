#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliRun.h"
#include "ExampleMissions.h"
#include "gamelink/TestScript.h"
#include "generator/ScriptGenerator.h"
#include "generator/ScriptWarnings.h"
#include "model/Cp1251.h"
#include "model/InputCheck.h"
#include "model/ProjectFile.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

const std::string Sprint = QV_EXAMPLES_DIR "/lssprint.qvnx";
const std::string Circuit = QV_EXAMPLES_DIR "/lvcircuit.qvnx";
constexpr const char* Stamp = "01.06.2026 18:30:00";

class Cli : public CliRun {
  protected:
    // The mission's script as the core builds it after loading `project`.
    static std::vector<std::string> expectedLines(const std::string& project, int laps = 0) {
        Mission mission;
        loadProject(mission, project, systemFileSystem());
        if (laps > 0) {
            MissionParameters p = mission.parameters();
            p.ALapsCount = laps;
            mission.setParameters(p);
        }
        checkInput(mission);
        return generateScriptLines(mission, Stamp);
    }
};

TEST_F(Cli, BuildPrintsTheScriptAsUtf8) {
    const Outcome result = cli({"build", Sprint, "--timestamp", Stamp});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, joinLines(expectedLines(Sprint), "\n"));
    EXPECT_NE(result.out.find("//" + std::string(Stamp) + "\n"), std::string::npos);
}

TEST_F(Cli, BuildWritesWindows1251WithCrLfAndTakesTheLapsGiven) {
    const fs::path out = dir / "circuit.txt";
    const Outcome result =
        cli({"build", "--laps=7", Circuit, "-o", out.string(), "--timestamp", Stamp});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const std::string bytes = fileText(out);
    EXPECT_EQ(decodeCp1251(bytes), joinLines(expectedLines(Circuit, 7), "\r\n"));
    EXPECT_NE(bytes.find(" $TotalLaps : integer = 7\r\n"), std::string::npos);
    // Without --laps the project's own three laps.
    EXPECT_NE(cli({"build", Circuit}).out.find(" $TotalLaps : integer = 3\n"), std::string::npos);
}

TEST_F(Cli, TheTestScriptWrapsTheMission) {
    const Outcome result = cli({"build", Sprint, "--test-script", "--timestamp", Stamp});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, joinLines(testScriptLines(expectedLines(Sprint), "GroveSprint"), "\n"));
    EXPECT_NE(result.out.find("\nstart_mission 0\n"), std::string::npos);
}

TEST_F(Cli, CheckIsSilentWhenThePassesAndInfoPrintsTheSummary) {
    const Outcome check = cli({"check", Sprint});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out + check.err, "");
    const Outcome info = cli({"info", Circuit});
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out, "Миссия \"STRIPLP\" успешно загружена!\n Тип гонки: Кольцо\n" +
                            std::string(32, ' ') +
                            "\n Общее количество машин: 4\n Общее количество чекпоинтов: 5\n"
                            " Общее количество объектов: 4\n Общее количество событий: 3\n");
}

TEST_F(Cli, CheckPrintsEachWarningOnALineAndStillPasses) {
    Mission mission;
    loadProject(mission, Sprint, systemFileSystem());
    CarEntry car = mission.car(2);
    car.Model = "411";
    mission.changeCar(2, car);
    mission.appendCheckpoint(mission.checkpoint(mission.checkpointCount()), "Гоночный ");
    const std::string project = (dir / "warned.qvnx").string();
    saveProject(mission, project, systemFileSystem());

    const Outcome check = cli({"check", project});
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_EQ(check.err, "");
    checkInput(mission);
    const auto warnings = scriptWarnings(mission);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(check.out, warningLine(warnings[0]) + "\n" + warningLine(warnings[1]) + "\n");
    EXPECT_EQ(check.out.rfind("warning: Машина №2: ", 0), 0u) << check.out;
}

TEST_F(Cli, SaveAsCopiesEveryCompanionFileAndTheIdentifiersStayAsTyped) {
    Mission mission;
    fillVenturasCircuit(mission);
    MissionParameters p = mission.parameters();
    p.AMissionPrefix = "Strip Loop";
    mission.setParameters(p);
    const std::string project = (dir / "typed.qvnx").string();
    saveProject(mission, project, systemFileSystem());

    const std::string copy = (dir / "copy.qvnx").string();
    const Outcome result = cli({"save-as", project, copy});
    EXPECT_EQ(result.status, 0) << result.err;
    for (const char* suffix : {"", ".cars", ".checkps", ".objects", ".events"}) {
        EXPECT_EQ(fileText(copy + suffix), fileText(project + suffix)) << suffix;
    }
    // The build tidies the prefix in the script only.
    EXPECT_NE(cli({"build", copy}).out.find(":Strip_Loop_000\n"), std::string::npos);
    EXPECT_NE(fileText(copy).find("MsPref=Strip Loop\r\n"), std::string::npos);
}

TEST_F(Cli, FailuresEndInOneMessageAndStatusOne) {
    Mission mission;
    mission.appendCar({"ELEGY", "1", "2", "3", "4", {}});
    const std::string oneCar = (dir / "onecar.qvnx").string();
    saveProject(mission, oneCar, systemFileSystem());
    for (const char* command : {"check", "build"}) {
        const Outcome result = cli({command, oneCar});
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "Для гонки необходима как минимум одна машина противника\n");
    }

    const std::string missing = (dir / "missing.qvnx").string();
    EXPECT_EQ(cli({"info", missing}).err, "Для загрузки необходимы следующие файлы:\r\n\r\n" +
                                              missing + ".cars; " + missing + ".checkps; \n");
    const Outcome folder = cli({"info", dir.string()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.err, "\"" + dir.string() + "\" is a folder; give the project's .qvnx file\n");

    std::ofstream(dir / "junk.qvnx", std::ios::binary) << std::string("\0\xFF[[=\n", 6);
    std::ofstream(dir / "junk.qvnx.cars", std::ios::binary) << "x\n\t\t\ty";
    std::ofstream(dir / "junk.qvnx.checkps", std::ios::binary) << "";
    const Outcome junk = cli({"build", (dir / "junk.qvnx").string()});
    EXPECT_EQ(junk.status, 1);
    EXPECT_EQ(junk.err, "Invalid level (3) for item \"y\"\n");

    const Outcome readOnly =
        cli({"build", Sprint, "-o", (dir / "no" / "such" / "dir.txt").string()});
    EXPECT_EQ(readOnly.status, 1);
    EXPECT_EQ(readOnly.err.substr(0, 20), "Cannot create file \"");
    EXPECT_FALSE(fs::exists(dir / "no"));
}

TEST_F(Cli, WrongUsageIsStatusTwo) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{},
                                               {"compile", Sprint},
                                               {"build"},
                                               {"build", Sprint, "--fast"},
                                               {"build", Sprint, "--laps", "0"},
                                               {"build", Sprint, "--laps", "21"},
                                               {"build", Sprint, "--laps"},
                                               {"check", Sprint, "-o", "x"},
                                               {"save-as", Sprint},
                                               {"info", Sprint, Circuit}}) {
        const Outcome result = cli(arguments);
        EXPECT_EQ(result.status, 2) << testing::PrintToString(arguments);
        EXPECT_NE(result.err.find("quorvane-cli --help"), std::string::npos);
        EXPECT_EQ(result.out, "");
    }
    const Outcome help = cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, 40), "Usage: quorvane-cli COMMAND PROJECT [OPT");
    EXPECT_EQ(cli({"build", Sprint, "--help"}).status, 0);
}

}  // namespace
}  // namespace qv::test
