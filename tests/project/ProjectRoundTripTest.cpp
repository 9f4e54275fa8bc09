#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Environment.h"
#include "ExampleMissions.h"
#include "GoldenMissions.h"
#include "LargestMission.h"
#include "ProjectTestSupport.h"
#include "generator/ScriptGenerator.h"
#include "generator/ScriptWarnings.h"
#include "model/ProjectFile.h"

namespace qv::test {
namespace {

using Fill = void (*)(Mission&);

class ProjectRoundTrip : public testing::TestWithParam<Fill> {};

TEST_P(ProjectRoundTrip, LoadsBackTheSameMissionAndSavesTheSameBytes) {
    Mission original;
    GetParam()(original);
    FakeFileSystem files;
    saveProject(original, Project, files);
    const auto firstSave = files.files;

    Mission loaded;
    loadProject(loaded, Project, files);
    EXPECT_EQ(loaded.data(), original.data());  // components and laps included
    EXPECT_EQ(treesOf(loaded), treesOf(original));
    EXPECT_EQ(generateScript(loaded, GoldenTimestamp), generateScript(original, GoldenTimestamp));

    FakeFileSystem again;
    saveProject(loaded, Project, again);
    EXPECT_EQ(again.files, firstSave);
    saveProject(loaded, Project, files);  // over itself: nothing changes
    EXPECT_EQ(files.files, firstSave);
}

INSTANTIATE_TEST_SUITE_P(Missions, ProjectRoundTrip,
                         testing::Values(&fillGoldenSprint, &fillGoldenCircuit, &fillLargestMission,
                                         &fillLosSantosSprint, &fillVenturasCircuit));

TEST(ProjectSave, WritesTheKeysInTheirOrderAndTheTreesAsTabbedLines) {
    Mission mission;
    mission.appendCar({"ELEGY", "1.5", "-2", "3", "90", {"#NTO_B_L"}});
    mission.appendCheckpoint({"4", "5", "6", 40, "-1"}, "");
    FakeFileSystem files;
    saveProject(mission, Project, files);

    EXPECT_EQ(textOf(files, Project),
              "[Coords]\r\nStX=0.00\r\nStY=0.00\r\nStZ=0.00\r\n"
              "[Strings]\r\nStXvar=RaceMis1StartX\r\nStYvar=RaceMis1StartY\r\n"
              "StZvar=RaceMis1StartZ\r\nMsPref=RaceMission1\r\nMsName=RACEMS1\r\n"
              "[Integers]\r\nMsNum=0\r\nPlNum=1\r\nCarNum=1\r\nCheckpNum=1\r\nObjectNum=0\r\n"
              "EventNum=0\r\nRaceType=0\r\nLapsCount=1\r\n"
              "[Cars]\r\nCar1Model=ELEGY\r\nCar1X=1.5\r\nCar1Y=-2\r\nCar1Z=3\r\nCar1Angle=90\r\n"
              "BP=0\r\nVH=0\r\nPlCar=0\r\nImproveHandling=0\r\n"
              "[Checkpoints]\r\nCheckp1X=4\r\nCheckp1Y=5\r\nCheckp1Z=6\r\nCheckp1Speed=40\r\n"
              "Checkp1Type=-1\r\n"
              "[Others]\r\nMoneyPrize=0\r\nWeather=0\r\nTimeHour=0\r\nTimeMinute=0\r\n"
              "Check1=0\r\nCheck2=0\r\nCheck3=0\r\nCheck4=0\r\nCheck5=0\r\nCheck6=0\r\n"
              "Traffic=1\r\nTraffic2=0\r\n");
    EXPECT_EQ(textOf(files, Project + ".cars"),
              "Машины (1 всего)\r\n\tМашина 1\r\n\t\tМодель: #ELEGY\r\n\t\tКоординаты старта\r\n"
              "\t\t\tX: 1.5\r\n\t\t\tY: -2\r\n\t\t\tZ: 3\r\n\t\t\tУгол: 90\r\n"
              "\t\tТюнинг-компоненты (1)\r\n\t\t\t1: #NTO_B_L\r\n");
    // Windows-1251 on the disk: "М" is one byte.
    EXPECT_EQ(files.files.at(Project + ".cars").substr(0, 2), "\xCC\xE0");
    EXPECT_FALSE(files.fileExists(Project + ".objects"));
    EXPECT_FALSE(files.fileExists(Project + ".events"));
}

TEST(ProjectSave, AnEmptyMissionStillWritesTheThreeFiles) {
    Mission mission;
    FakeFileSystem files;
    saveProject(mission, Project, files);
    EXPECT_EQ(files.files.size(), 3u);
    EXPECT_EQ(textOf(files, Project + ".cars"), "Машины (0 всего)\r\n");
    EXPECT_EQ(textOf(files, Project + ".checkps"), "Чекпоинты (0 всего)\r\n");
    const std::string ini = textOf(files, Project);
    EXPECT_NE(ini.find("[Cars]\r\nBP=0\r\nVH=0\r\nPlCar=0\r\nImproveHandling=0\r\n[Others]"),
              std::string::npos);
    EXPECT_EQ(ini.find("[Checkpoints]"), std::string::npos);
    EXPECT_EQ(ini.find("[Objects]"), std::string::npos);
}

TEST(ProjectSave, OverALargerProjectUpdatesInPlaceAndLeavesTheStaleKeys) {
    Mission five;
    for (int i = 0; i < 5; ++i) {
        five.appendCar({"CAR" + std::to_string(i + 1), "1", "2", "3", "4", {}});
    }
    five.appendObject({"1238"});
    five.appendEvent({"", {"$a == 1"}, {"wait 0"}});
    FakeFileSystem files;
    saveProject(five, Project, files);

    Mission two;
    two.appendCar({"ELEGY", "1", "2", "3", "4", {}});
    two.appendCar({"SULTAN", "1", "2", "3", "4", {}});
    saveProject(two, Project, files);
    const std::string ini = textOf(files, Project);
    EXPECT_NE(ini.find("CarNum=2\r\n"), std::string::npos);
    EXPECT_NE(ini.find("Car2Model=SULTAN\r\n"), std::string::npos);
    EXPECT_NE(ini.find("Car5Model=CAR5\r\nCar5X=1\r\nCar5Y=2\r\nCar5Z=3\r\nCar5Angle=4\r\nBP=0"),
              std::string::npos);
    EXPECT_NE(ini.find("[Objects]\r\nObject1Model=1238"), std::string::npos);
    // The old companion files stay; the counts of 0 make loading pass them by.
    EXPECT_TRUE(files.fileExists(Project + ".objects"));

    Mission loaded;
    loaded.appendObject({"3578"});
    loadProject(loaded, Project, files);
    EXPECT_EQ(loaded.carCount(), 2);
    EXPECT_EQ(loaded.objectCount(), 0);
    EXPECT_EQ(loaded.objectTree().root()->text(), "Объекты");
    EXPECT_EQ(loaded.objectTree().root()->childCount(), 0);
    EXPECT_EQ(loaded.eventCount(), 0);
}

TEST(ProjectSave, TextsThatWouldNotReadBackAsWrittenStillDo) {
    Mission mission;
    MissionParameters p = mission.parameters();
    p.AStartX = " 12.5 ";
    p.AMissionName = "'QUOTED'";
    mission.setParameters(p);
    mission.appendEvent({"",
                         {"  $a == 1", "\tindented"},
                         {"\x1B"
                          "escape",
                          " wait 0 ms"}});
    FakeFileSystem files;
    saveProject(mission, Project, files);
    Mission loaded;
    loadProject(loaded, Project, files);
    EXPECT_EQ(loaded.parameters().AStartX, " 12.5 ");
    EXPECT_EQ(loaded.parameters().AMissionName, "'QUOTED'");
    EXPECT_EQ(loaded.event(1), mission.event(1));
}

TEST(ProjectLoad, TheLapsAreSavedAndKeptWhenAProjectHasNone) {
    Mission circuit;
    fillGoldenCircuit(circuit);  // three laps
    FakeFileSystem files;
    saveProject(circuit, Project, files);
    Mission loaded;
    MissionParameters p = loaded.parameters();
    p.ALapsCount = 9;
    loaded.setParameters(p);
    loadProject(loaded, Project, files);
    EXPECT_EQ(loaded.parameters().ALapsCount, 3);

    // A project of an earlier version: no LapsCount, so the laps in effect stay.
    std::string ini = textOf(files, Project);
    ini.erase(ini.find("LapsCount=3\r\n"), 13);
    putText(files, Project, ini);
    p = loaded.parameters();
    p.ALapsCount = 7;
    loaded.setParameters(p);
    loadProject(loaded, Project, files);
    EXPECT_EQ(loaded.parameters().ALapsCount, 7);
}

TEST(ProjectLoad, AHandWrittenWindows1251Project) {
    FakeFileSystem files;
    const std::string dir = QV_TEST_DATA_DIR "/handmade/";
    for (const char* name :
         {"race.qvnx", "race.qvnx.cars", "race.qvnx.checkps", "race.qvnx.events"}) {
        std::ifstream in(dir + name, std::ios::binary);
        ASSERT_TRUE(in) << name;
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files.files[Project + std::string(name).substr(9)] = bytes.str();
    }
    Mission mission;
    MissionParameters before = mission.parameters();
    before.ALapsCount = 4;
    mission.setParameters(before);
    const LoadSummary summary = loadProject(mission, Project, files);

    const MissionParameters& p = mission.parameters();
    EXPECT_EQ(p.AStartX, "2495.33");    // blanks around dropped
    EXPECT_EQ(p.AStartY, "-1682.71");   // single quotes dropped
    EXPECT_EQ(p.AStartZ, "13.0");       // blanks, then double quotes dropped
    EXPECT_EQ(p.AStartYvar, "Hand Y");  // a lone CR ends a line
    EXPECT_EQ(p.AStartZvar, "HandZ");
    EXPECT_EQ(p.AMissionPrefix, "Ручная гонка");
    EXPECT_EQ(p.AMissionName, "HANDRC");
    EXPECT_EQ(p.AMissionNumber, 12);  // 0x0C
    EXPECT_EQ(p.PlayerCarNumber, 2);  // "plnum=$2": any case, hexadecimal
    EXPECT_EQ(p.ARaceType, Circuit);
    EXPECT_EQ(p.ALapsCount, 4);  // not in the file
    EXPECT_TRUE(p.BP);
    EXPECT_FALSE(p.VH);
    EXPECT_TRUE(p.PlayerCar);
    EXPECT_EQ(p.IHBar, 3);
    EXPECT_EQ(p.AMoneyPrize, -100);
    EXPECT_EQ(p.AHour, 7);
    EXPECT_EQ(p.AMinutes, 5);
    EXPECT_EQ(p.Flags, (std::array<bool, 4>{true, false, false, false}));  // "yes" is no number
    EXPECT_FALSE(p.PassRepeat);
    EXPECT_TRUE(p.ATime);
    EXPECT_TRUE(p.TrafficOn);
    EXPECT_FALSE(p.TrafficOff);
    EXPECT_EQ(p.AWeather, -1);  // missing: no choice

    ASSERT_EQ(mission.carCount(), 2);  // the first CarNum counts, not the later duplicate
    EXPECT_EQ(
        mission.car(1),
        (CarEntry{"ELEGY", "2486.12", "-1660.24", "13.12", "90.00", {"#NTO_B_L", "#WHEEL_SR6"}}));
    EXPECT_EQ(mission.car(2).Angle, "90");
    EXPECT_EQ(mission.componentTotal(), 2);
    ASSERT_EQ(mission.checkpointCount(), 2);
    EXPECT_EQ(mission.checkpoint(2), (CheckpointEntry{"2105.77", "-1806.12", "13.39", 0, "-1"}));
    EXPECT_EQ(mission.eventCount(), 1);  // the duplicate [INTEGERS] section is ignored
    EXPECT_EQ(
        mission.event(1),
        (EventEntry{"and",
                    {"$CurrentLap == 2", "$pos2 == 1"},
                    {"// Второй круг: премия лидеру", "0109: player $PLAYER_CHAR money += 500"}}));
    EXPECT_EQ(mission.checkpointTree().root()->child(0)->child(1)->text(), "Тип езды: Гоночный ");

    EXPECT_EQ(summary.title, "Миссия \"HANDRC\" успешно загружена!");
    EXPECT_EQ(summary.text,
              " Тип гонки: Кольцо\r\n" + std::string(32, ' ') +
                  "\r\n Общее количество машин: 2\r\n Общее количество чекпоинтов: 2\r\n"
                  " Общее количество объектов: 0\r\n Общее количество событий: 1");
}

TEST(ProjectLoad, TheSummaryOfASprint) {
    Mission mission;
    fillLosSantosSprint(mission);
    FakeFileSystem files;
    saveProject(mission, Project, files);
    EXPECT_EQ(loadProject(mission, Project, files).text,
              " Тип гонки: Спринт\r\n" + std::string(32, ' ') +
                  "\r\n Общее количество машин: 4\r\n Общее количество чекпоинтов: 5\r\n"
                  " Общее количество объектов: 0\r\n Общее количество событий: 0");
}

TEST(ProjectLoad, AMissingIniFileGivesEveryDefaultAndEmptyTreeFilesTheBareRoots) {
    FakeFileSystem files;
    files.files[Project + ".cars"] = "";
    files.files[Project + ".checkps"] = "";
    Mission mission;
    fillGoldenSprint(mission);
    const LoadSummary summary = loadProject(mission, Project, files);
    EXPECT_EQ(summary.title, "Миссия \"\" успешно загружена!");
    const MissionParameters& p = mission.parameters();
    EXPECT_EQ(p.AStartX, "");
    EXPECT_EQ(p.AMissionPrefix, "");
    EXPECT_EQ(p.PlayerCarNumber, 0);
    EXPECT_EQ(p.AWeather, -1);
    EXPECT_FALSE(p.TrafficOn);
    EXPECT_FALSE(p.TrafficOff);
    EXPECT_EQ(p.ALapsCount, 4);  // the golden sprint's, kept
    EXPECT_EQ(mission.carCount(), 0);
    EXPECT_EQ(treesOf(mission),
              "Машины (0 всего)\r\nЧекпоинты (0 всего)\r\nОбъекты\r\nСобытия\r\n");
}

TEST(ProjectLoad, TreeFilesThatDisagreeWithTheCountsDoNotHarmTheMission) {
    Mission mission;
    fillGoldenSprint(mission);
    FakeFileSystem files;
    saveProject(mission, Project, files);
    putText(files, Project + ".cars",
            "Машины (3 всего)\r\n\tМашина 1\r\n\tМашина 2\r\n\tМашина 3\r\nextra top "
            "level\r\n\tchild\r\n");
    putText(files, Project + ".events", "События\r\n\tСобытие 1\r\n\tСобытие 2\r\n");
    loadProject(mission, Project, files);
    EXPECT_EQ(mission.carCount(), 3);
    EXPECT_EQ(mission.componentTotal(), 0);
    EXPECT_EQ(mission.carTree().topLevelCount(), 2);  // kept as the file has them
    EXPECT_EQ(mission.event(2), EventEntry{});
    // It builds as the same race with what the trees could not give left out.
    Mission expected;
    fillGoldenSprint(expected);
    for (int row = 1; row <= expected.carCount(); ++row) {
        CarEntry car = expected.car(row);
        car.Components.clear();
        expected.changeCar(row, car);
    }
    expected.changeEvent(1, {});
    expected.changeEvent(2, {});
    EXPECT_EQ(generateScript(mission, GoldenTimestamp), generateScript(expected, GoldenTimestamp));
    mission.removeRow(MissionPart::Cars, mission.carCount());
    mission.appendEvent({"", {"$a == 1"}, {"wait 0"}});
    EXPECT_EQ(mission.eventCount(), 3);
}

// The example projects are exactly what the program writes for the example missions, and
// they build without a warning.
TEST(ExampleProjects, AreWhatSavingTheExampleMissionsWrites) {
    const std::pair<const char*, Fill> examples[] = {{"lssprint", &fillLosSantosSprint},
                                                     {"lvcircuit", &fillVenturasCircuit}};
    for (const auto& [name, fill] : examples) {
        Mission mission;
        fill(mission);
        // An example that Sanny Builder would refuse teaches the wrong thing.
        for (const ScriptWarning& warning : scriptWarnings(mission)) {
            ADD_FAILURE() << name << ": " << warningLine(warning);
        }
        FakeFileSystem files;
        const std::string path = std::string(QV_EXAMPLES_DIR) + "/" + name + ".qvnx";
        saveProject(mission, path, files);
        if (test::environmentVariable("QV_WRITE_EXAMPLES")) {  // regenerates them
            std::filesystem::remove(path);
            saveProject(mission, path, systemFileSystem());
        }
        for (const auto& [file, bytes] : files.files) {
            std::ifstream in(file, std::ios::binary);
            std::ostringstream disk;
            disk << in.rdbuf();
            EXPECT_TRUE(disk.str() == bytes) << file << " differs from what saving writes";
        }
    }
}

}  // namespace
}  // namespace qv::test
