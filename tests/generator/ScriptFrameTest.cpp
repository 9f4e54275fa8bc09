#include <gtest/gtest.h>

#include "LargestMission.h"
#include "ScriptTestSupport.h"
#include "generator/ScriptGenerator.h"

namespace qv::test {
namespace {

TEST(ScriptFrame, HeaderTriggerLabelAndMissionThread) {
    Mission mission;
    fillSmallMission(mission, [](MissionParameters& p) {
        p.AMissionNumber = 42;
        p.AMissionName = "MYRACE";
    });
    const Lines lines = generateScriptLines(mission, "07.12.2026 10:00:00");
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5),
              (Lines{"//This script was created by 'Quorvane'", "//07.12.2026 10:00:00", "", "",
                     ":RaceMission1"}));
    const int header = find(lines, "//-------------Mission 42---------------");
    ASSERT_GT(header, 0);
    // The trigger thread ends in "end_thread" and the line that is CR LF itself.
    EXPECT_EQ(Lines(lines.begin() + header - 3, lines.begin() + header),
              (Lines{"end_thread", "", ""}));
    EXPECT_EQ(Lines(lines.begin() + header, lines.begin() + header + 15),
              (Lines{"//-------------Mission 42---------------", "", ":RaceMission1_000",
                     "thread 'MYRACE'", "gosub @RaceMission1_47", "if", " wasted_or_busted",
                     "jf @RaceMission1_38", "gosub @RaceMission1_2497", "", ":RaceMission1_38",
                     "gosub @RaceMission1_2762", "end_thread", "", ":RaceMission1_47"}));
}

TEST(ScriptFrame, TheWholeTextEndsEveryLineWithCrLf) {
    Mission mission;
    fillSmallMission(mission);
    const std::string text = generateScript(mission, "x");
    EXPECT_EQ(text.substr(0, 46), "//This script was created by 'Quorvane'\r\n//x\r\n");
    EXPECT_EQ(text.substr(text.size() - 10), "\r\nreturn\r\n");
    EXPECT_EQ(joinLines({"a", "", "b"}, "\n"), "a\n\nb\n");
}

TEST(ScriptFrame, TheTextAndTheLinesAreTheSameScript) {
    // The largest mission, then one whose events hold far more text than their count suggests,
    // so that the text outgrows the room made for it.
    Mission mission;
    fillLargestMission(mission);
    EXPECT_EQ(generateScript(mission, "x"), joinLines(generateScriptLines(mission, "x")));
    const std::string longAction(3000, 'a');
    for (int e = 1; e <= 3; ++e) {
        mission.appendEvent({"or", {"$kar == " + std::to_string(e)}, {longAction, longAction}});
    }
    const std::string text = generateScript(mission, "x");
    EXPECT_EQ(text, joinLines(generateScriptLines(mission, "x")));
    EXPECT_NE(text.find("  " + longAction + "\r\n  " + longAction + "\r\n"), std::string::npos);
}

TEST(ScriptFrame, IndexConstantsRunFromZeroToTheLargestTablePlusEight) {
    Mission mission;
    for (int i = 0; i < 3; ++i) {
        mission.appendCar({"A", "1.0", "1.0", "1.0", "1.0", {}});
    }
    for (int i = 0; i < 5; ++i) {
        mission.appendCheckpoint({}, "Гоночный ");
    }
    const Lines lines = script(mission);
    const int first = find(lines, "$a0 = 0 // integer values");
    ASSERT_GT(first, 0);
    EXPECT_EQ(lines[size_t(first) - 1], "00BE: text_clear_all");
    EXPECT_EQ(lines[size_t(first) + 13], "$a13 = 13 // integer values");
    EXPECT_EQ(lines[size_t(first) + 14], "var");
    EXPECT_FALSE(contains(lines, "$a14 = 14 // integer values"));
    EXPECT_TRUE(contains(lines, " $car : array 7 of car"));
    EXPECT_TRUE(contains(lines, " $pointx : array 13 of float"));

    mission.appendObject({"1238"});
    for (int i = 0; i < 9; ++i) {
        mission.appendObject({"1238"});
    }
    const Lines withObjects = script(mission);
    EXPECT_TRUE(contains(withObjects, "$a18 = 18 // integer values"));
    EXPECT_FALSE(contains(withObjects, "$a19 = 19 // integer values"));
    EXPECT_TRUE(contains(withObjects, " $objectmodel : array 18 of integer"));
}

TEST(ScriptFrame, DeclarationsOfASprint) {
    Mission mission;
    fillSmallMission(mission, [](MissionParameters& p) {
        p.AMoneyPrize = -50;
        p.PlayerCarNumber = 2;
        p.TrafficOn = false;
    });
    mission.changeCar(1, {"ELEGY", "1.5", "2.5", "3.5", "90.5", {"#A", "#B"}});
    mission.changeCar(2, {"SULTAN", "1.5", "2.5", "3.5", "90.5", {"#C"}});
    const Lines lines = script(mission);
    EXPECT_EQ(
        section(lines, "var", " $nar : integer"),
        (Lines{"var", " $money : integer = -50", " $traff : float = 0.0", " $a : integer = 2",
               " $ak : integer = 2", " $b : integer = 2", " $d : integer = 3", "end", "var"}));
    EXPECT_EQ(section(lines, " $nar : integer", "$pointx[$a1] = 10.5 // floating-point values"),
              (Lines{" $nar : integer",
                     " $tar : integer",
                     " $time : float = 0.0",
                     " $dist : float",
                     " $dist2 : float",
                     " $pos : integer = 1",
                     " $pos2 : integer = 1",
                     " $stage : array 6 of integer",
                     " $car : array 6 of car",
                     " $model : array 6 of integer",
                     " $act : array 6 of actor",
                     " $mark : array 6 of marker",
                     " $carx : array 6 of float",
                     " $cary : array 6 of float",
                     " $carz : array 6 of float",
                     " $angle : array 6 of float",
                     " $pointx : array 10 of float",
                     " $pointy : array 10 of float",
                     " $pointz : array 10 of float",
                     " $speed : array 10 of float",
                     " $type : array 10 of integer",
                     "end",
                     "for $par = 1 to $a",
                     " $stage[$par] = 1",
                     "end"}));
}

TEST(ScriptFrame, CircuitDeclaresLapsAndObjectsTheirArrays) {
    Mission mission;
    fillSmallMission(mission, [](MissionParameters& p) {
        p.ARaceType = Circuit;
        p.ALapsCount = 7;
    });
    mission.appendObject({"1238", "1.0", "2.0", "3.0", "4.0"});
    const Lines lines = script(mission);
    const Lines block = section(lines, " $type : array 10 of integer",
                                "$pointx[$a1] = 11.5 // floating-point values");
    EXPECT_EQ(block,
              (Lines{" $type : array 10 of integer", " $Lap : array 6 of integer",
                     " $TotalLaps : integer = 7", "$CurrentLap : integer",
                     " $object : array 10 of object", " $objectx : array 10 of float",
                     " $objecty : array 10 of float", " $objectz : array 10 of float",
                     " $objectangle : array 10 of float", " $objectmodel : array 10 of integer",
                     "end", "for $par = 1 to $a", " $stage[$par] = 1", " $Lap[$par] = 1", "end"}));
    EXPECT_TRUE(contains(lines, " $c : integer = 1"));
}

TEST(ScriptFrame, TheCircuitRouteIsRotatedSoTheFirstCheckpointClosesEachLap) {
    Mission mission;
    fillSmallMission(mission, [](MissionParameters& p) { p.ARaceType = Circuit; });
    mission.appendCheckpoint({"12.5", "22.5", "32.5", 60, "2"}, "Напрямик");
    mission.appendCheckpoint({"13.5", "23.5", "33.5", 70, "-1"}, "");
    const Lines lines = script(mission);
    const int first = find(lines, "$pointx[$a1] = 11.5 // floating-point values");
    ASSERT_GT(first, 0);
    EXPECT_EQ(Lines(lines.begin() + first, lines.begin() + first + 20),
              (Lines{"$pointx[$a1] = 11.5 // floating-point values",
                     "$pointy[$a1] = 21.5 // floating-point values",
                     "$pointz[$a1] = 31.5 // floating-point values",
                     "$speed[$a1] = 50.0 // floating-point values",
                     "$type[$a1] = 1 // integer values",
                     "$pointx[$a2] = 12.5 // floating-point values",
                     "$pointy[$a2] = 22.5 // floating-point values",
                     "$pointz[$a2] = 32.5 // floating-point values",
                     "$speed[$a2] = 60.0 // floating-point values",
                     "$type[$a2] = 2 // integer values",
                     "$pointx[$a3] = 13.5 // floating-point values",
                     "$pointy[$a3] = 23.5 // floating-point values",
                     "$pointz[$a3] = 33.5 // floating-point values",
                     "$speed[$a3] = 70.0 // floating-point values",
                     "$type[$a3] = -1 // integer values",
                     "$pointx[$a4] = 10.5 // floating-point values",
                     "$pointy[$a4] = 20.5 // floating-point values",
                     "$pointz[$a4] = 30.5 // floating-point values",
                     "$speed[$a4] = 40.0 // floating-point values",
                     "$type[$a4] = 3 // integer values"}));
}

TEST(ScriptFrame, ACircuitOfOneCheckpointAndAnUnknownRaceType) {
    Mission mission;
    mission.appendCheckpoint({"1.5", "2.5", "3.5", 9, "3"}, "Гоночный ");
    MissionParameters p = mission.parameters();
    p.ARaceType = Circuit;
    mission.setParameters(p);
    const Lines circuit = script(mission);
    EXPECT_TRUE(contains(circuit, "$pointx[$a1] = 1.5 // floating-point values"));
    EXPECT_EQ(count(circuit, "$speed[$a1] = 9.0 // floating-point values"), 1);

    p.ARaceType = 5;
    mission.setParameters(p);
    const Lines other = script(mission);
    EXPECT_FALSE(mentions(other, "$pointx[$a1] ="));
    EXPECT_FALSE(mentions(other, "$TotalLaps"));
}

TEST(ScriptFrame, NumberTextsAreCopiedButWholeNumbersBecomeFloats) {
    Mission mission;
    MissionParameters p = mission.parameters();
    p.AStartX = "-1141";
    p.AStartY = "1,5";
    p.AStartZ = "0.00";
    mission.setParameters(p);
    mission.appendCar({"A", "0", "+12", "1e3", "-90", {}});
    mission.appendCheckpoint({"7", "", "12.", 1, "3"}, "Гоночный ");
    mission.appendObject({"1238", "2100,5", "-0", "3", "45"});
    const Lines lines = script(mission);
    for (const char* line :
         {"$RaceMis1StartX = -1141.0 // floating-point values",
          "$RaceMis1StartY = 1,5 // floating-point values",
          "$RaceMis1StartZ = 0.00 // floating-point values",
          "$carx[$a1] = 0.0 // floating-point values",
          "$cary[$a1] = +12.0 // floating-point values",
          "$carz[$a1] = 1e3 // floating-point values",
          "$angle[$a1] = -90.0 // floating-point values",
          "$pointx[$a1] = 7.0 // floating-point values", "$pointy[$a1] =  // floating-point values",
          "$pointz[$a1] = 12. // floating-point values",
          "$objectx[$a1] = 2100,5 // floating-point values",
          "$objecty[$a1] = -0.0 // floating-point values",
          "$objectz[$a1] = 3.0 // floating-point values",
          "$objectangle[$a1] = 45.0 // floating-point values"}) {
        EXPECT_TRUE(contains(lines, line)) << line;
    }
}

TEST(ScriptFrame, ModelLinesSkipThePlayersOwnCar) {
    Mission mission;
    fillSmallMission(mission, [](MissionParameters& p) {
        p.PlayerCar = true;
        p.PlayerCarNumber = 2;
    });
    mission.appendCar({"BANSHEE", "1.0", "1.0", "1.0", "1.0", {}});
    mission.appendObject({"1238"});
    const Lines lines = script(mission);
    EXPECT_EQ(
        section(lines, "$model[$a1] = #ELEGY", "054C: use_GXT_table 'RACETOR'"),
        (Lines{"$model[$a1] = #ELEGY", "$model[$a3] = #BANSHEE", "$objectmodel[$a1] = #1238"}));

    MissionParameters p = mission.parameters();
    p.PlayerCar = false;
    mission.setParameters(p);
    EXPECT_TRUE(contains(script(mission), "$model[$a2] = #SULTAN"));
}

TEST(ScriptFrame, WithoutObjectsNothingMentionsThem) {
    Mission mission;
    fillSmallMission(mission);
    const Lines lines = script(mission);
    EXPECT_FALSE(mentions(lines, "$c "));
    EXPECT_FALSE(mentions(lines, "$object"));
    EXPECT_FALSE(mentions(lines, "to $c"));
}

}  // namespace
}  // namespace qv::test
