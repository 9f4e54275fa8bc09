#include <gtest/gtest.h>

#include "ScriptTestSupport.h"
#include "TreeCopies.h"

namespace qv::test {
namespace {

TEST(Events, EachEventRunsOnceBehindItsOwnGuard) {
    Mission mission;
    fillSmallMission(mission);
    mission.appendEvent({"", {"$kar == 2"}, {"act 1"}});
    mission.appendEvent({"and", {"c1", "  c2"}, {"a1", "a2"}});
    const Lines lines = script(mission);
    EXPECT_EQ(section(lines, ":RaceMission1_651", ":RaceMission1_2491"), (Lines{":RaceMission1_651",
                                                                                "if",
                                                                                " not $Event1 == 1",
                                                                                "then",
                                                                                " if ",
                                                                                "  $kar == 2",
                                                                                " then",
                                                                                "  act 1",
                                                                                " $Event1 = 1",
                                                                                " end",
                                                                                "end",
                                                                                "if",
                                                                                " not $Event2 == 1",
                                                                                "then",
                                                                                " if and",
                                                                                "  c1",
                                                                                "    c2",
                                                                                " then",
                                                                                "  a1",
                                                                                "  a2",
                                                                                " $Event2 = 1",
                                                                                " end",
                                                                                "end",
                                                                                "return"}));
}

TEST(Events, WithoutEventsThereIsNoSubroutineAndNoCall) {
    Mission mission;
    fillSmallMission(mission);
    const Lines lines = script(mission);
    EXPECT_FALSE(mentions(lines, "_651"));
    EXPECT_FALSE(mentions(lines, "$Event"));
    const int finish = find(lines, ":RaceMission1_2491");
    EXPECT_EQ(lines[size_t(finish) - 2], "return");
}

TEST(Events, AnEventWhoseNodesAreMissingStillGivesAClosedBlock) {
    Mission mission;
    fillSmallMission(mission);
    mission.appendEvent({"or", {"c"}, {"a"}});
    MissionData data = mission.data();
    data.eventCount = 2;  // a hand-edited project whose events file lists one event only
    mission.replace(data, test::copyTrees(mission));
    const Lines events = section(script(mission), ":RaceMission1_651", ":RaceMission1_2491");
    EXPECT_EQ(Lines(events.end() - 9, events.end()),
              (Lines{"if", " not $Event2 == 1", "then", " if ", " then", " $Event2 = 1", " end",
                     "end", "return"}));
}

TEST(Ending, FinishPaysTheWinnerAndTimesBoth) {
    Mission mission;
    fillSmallMission(mission);
    const Lines lines = script(mission);
    const Lines time = {" 01BD: 12@ = current_time_in_ms",
                        " 0085: 13@ = 12@ // integer values and handles",
                        " 0062: 13@ -= 11@ // integer values",
                        " 13@ /= 1000.0 // floating-point values",
                        " 0085: 452@ = 13@ // integer values and handles",
                        " 452@ /= 60 // integer values",
                        " 0085: 36@ = 452@ // integer values and handles",
                        " 36@ *= 60 // integer values",
                        " 0085: 453@ = 13@ // integer values and handles",
                        " 0062: 453@ -= 36@ // integer values"};
    Lines expected = {
        ":RaceMission1_2491",
        "gosub @RaceMission1_REMOVE",
        "if",
        " $pos2 == 1",
        "then",
        " 00BA: text_styled 'RACES18' 3000 ms 1 // Winner!",
        "wait 3000 ms",
        " 01E3: text_1number_styled 'M_PASS' $money 4000 ms 1 // MISSION PASSED!~n~~w~$~1~",
        " Player.Money($PLAYER_CHAR) += $money"};
    expected.insert(expected.end(), time.begin(), time.end());
    expected.insert(expected.end(),
                    {" 0394: play_music 1",
                     "02FD: text_2numbers_lowpriority 'TIME' 452@ 453@ 8000 ms 1 // ~1~:~1~",
                     "else", " 01E3: text_1number_styled 'RACES_8' 200 5000 ms 1"});
    expected.insert(expected.end(), time.begin(), time.end());
    expected.insert(
        expected.end(),
        {" 02FD: text_2numbers_lowpriority 'TIME' 452@ 453@ 8000 ms 1 // ~1~:~1~", "end",
         "0318: set_latest_mission_passed_to 'RACES_0' // Races",
         "Player.ClearWantedLevel($PLAYER_CHAR)", "gosub @RaceMission1_38", "return", ""});
    EXPECT_EQ(section(lines, ":RaceMission1_2491", ":RaceMission1_2497"), expected);
    EXPECT_EQ(section(lines, ":RaceMission1_2497", ":RaceMission1_REMOVE"),
              (Lines{":RaceMission1_2497", "gosub @RaceMission1_REMOVE",
                     "00BA: text_styled 'RACES_8' 5000 ms 1 // Loser!",
                     "create_thread @RaceMission1", "return", ""}));

    MissionParameters p = mission.parameters();
    p.PassRepeat = true;
    mission.setParameters(p);
    const Lines repeat = section(script(mission), ":RaceMission1_2491", ":RaceMission1_2497");
    EXPECT_EQ(Lines(repeat.end() - 4, repeat.end()),
              (Lines{"create_thread @RaceMission1", "gosub @RaceMission1_38", "return", ""}));
}

TEST(Ending, RemovalReleasesEverythingButThePlayersOwnCar) {
    Mission mission;
    fillSmallMission(mission);
    const Lines plain = script(mission);
    EXPECT_EQ(section(plain, ":RaceMission1_REMOVE", ":RaceMission1_2762"),
              (Lines{":RaceMission1_REMOVE",
                     "01EB: set_traffic_density_to 1.0",
                     "Car.DoorStatus($car[$ak]) = 0",
                     "for $par = 1 to $a",
                     " if",
                     "  $car[$par] <> -1",
                     " then",
                     "  Car.SetImmunities($car[$par], 0, 0, 0, 0, 0)",
                     "  Model.Destroy($model[$par])",
                     "  Car.RemoveReferences($car[$par])",
                     "  if",
                     "   $par <> $ak",
                     "  then",
                     "   Marker.Disable($mark[$par])",
                     "   Actor.RemoveReferences($act[$par])",
                     "  end",
                     " end",
                     "end",
                     "Marker.Disable($chekp)",
                     "06D6: delete_racing_checkpoint $rchekp",
                     "03F0: toggle_text_draw 0",
                     "014F: delete_timer $time",
                     "01B7: release_weather",
                     "return",
                     ""}));
    EXPECT_EQ(Lines(plain.end() - 4, plain.end()),
              (Lines{":RaceMission1_2762", "$ONMISSION = 0 // integer values", "mission_cleanup",
                     "return"}));

    MissionParameters p = mission.parameters();
    p.PlayerCar = true;
    mission.setParameters(p);
    mission.appendObject({"1238"});
    const Lines removal = section(script(mission), ":RaceMission1_REMOVE", ":RaceMission1_2762");
    EXPECT_EQ(Lines(removal.begin() + 3, removal.begin() + 10),
              (Lines{"for $par = 1 to $a", " if", "  $par == $ak", " then", "  wait 500 ms",
                     "  Continue", " end"}));
    EXPECT_EQ(section(removal, "for $par = 1 to $c", "Marker.Disable($chekp)"),
              (Lines{"for $par = 1 to $c", " if", "  $object[$par] <> -1", " then",
                     "  Model.Destroy($objectmodel[$par])",
                     "  Object.RemoveReferences($object[$par])", " end", "end"}));
}

}  // namespace
}  // namespace qv::test
