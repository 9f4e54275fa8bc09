#include <gtest/gtest.h>

#include "ScriptTestSupport.h"

namespace qv::test {
namespace {

TEST(RaceSetup, TriggerThreadWaitsForThePlayerOnFootOrInHisCar) {
    Mission mission;
    fillSmallMission(mission, [](MissionParameters& p) {
        p.AStartXvar = "SX";
        p.AStartYvar = "SY";
        p.AStartZvar = "SZ";
        p.AMissionNumber = 3;
    });
    const Lines lines = script(mission);
    EXPECT_EQ(section(lines, ":RaceMission1", "054C: use_GXT_table 'RACETOR'"),
              (Lines{":RaceMission1",
                     "$SX = 0.00 // floating-point values",
                     "$SY = 0.00 // floating-point values",
                     "$SZ = 0.00 // floating-point values",
                     "$11192 = Marker.CreateIconAndSphere(53, $SX, $SY, $SZ)",
                     "",
                     ":RaceMission1_1349",
                     "wait 25 ms",
                     "if",
                     " Player.Defined($PLAYER_CHAR)",
                     "jf @RaceMission1_1349",
                     "if",
                     " 0101: actor $PLAYER_ACTOR stopped_near_point $SX $SY $SZ radius 3.0 3.0 3.0 "
                     "sphere 0",
                     "jf @RaceMission1_1349",
                     "if",
                     " Player.Controllable($PLAYER_CHAR)",
                     "jf @RaceMission1_1349",
                     "if",
                     " $ONMISSION == 0 // integer values",
                     "jf @RaceMission1_1349",
                     "Marker.Disable($11192)"}));
    EXPECT_EQ(
        section(lines, "0169: set_fade_color 0 0 0", "//-------------Mission 3---------------"),
        (Lines{"0169: set_fade_color 0 0 0", "fade 0 2500", "", ":RaceMission1_1492", "wait 0 ms",
               "if", " not fading", "jf @RaceMission1_1492", "00BE: text_clear_all",
               "03E6: remove_text_box", "start_mission 3", "end_thread", "", ""}));

    MissionParameters p = mission.parameters();
    p.PlayerCar = true;
    mission.setParameters(p);
    const Lines own = script(mission);
    EXPECT_TRUE(
        contains(own,
                 " 0103: actor $PLAYER_ACTOR stopped_near_point_in_car $SX $SY $SZ radius 4.0 "
                 "4.0 4.0 sphere 0"));
    EXPECT_FALSE(mentions(own, "stopped_near_point $SX"));
}

TEST(RaceSetup, WeatherAndTimeLinesOnlyWhenChosen) {
    Mission mission;
    fillSmallMission(mission, [](MissionParameters& p) {
        p.AHour = 7;
        p.AMinutes = 5;
    });
    Lines lines = script(mission);
    EXPECT_FALSE(mentions(lines, "set_weather"));
    EXPECT_FALSE(mentions(lines, "set_current_time"));
    EXPECT_EQ(
        section(lines, ":RaceMission1_47", "$a0 = 0 // integer values"),
        (Lines{":RaceMission1_47", "increment_mission_attempts", "$ONMISSION = 1 // integer values",
               "Player.ClearWantedLevel($PLAYER_CHAR)", "00BE: text_clear_all"}));

    MissionParameters p = mission.parameters();
    p.AWeather = 20;
    p.ATime = true;
    mission.setParameters(p);
    lines = script(mission);
    EXPECT_EQ(
        section(lines, "$ONMISSION = 1 // integer values", "Player.ClearWantedLevel($PLAYER_CHAR)"),
        (Lines{"$ONMISSION = 1 // integer values", "set_weather 19",
               "00C0: set_current_time 7 5"}));

    p.AWeather = -1;
    mission.setParameters(p);
    EXPECT_FALSE(mentions(script(mission), "set_weather"));
}

TEST(RaceSetup, ModelLoadingWaitsForCarAndObjectModels) {
    Mission mission;
    fillSmallMission(mission);
    const Lines withoutObjects = script(mission);
    const int body = find(withoutObjects, ":RaceMission1_47");
    const int gxt = find(withoutObjects, "054C: use_GXT_table 'RACETOR'", body);
    EXPECT_EQ(Lines(withoutObjects.begin() + gxt, withoutObjects.begin() + gxt + 6),
              (Lines{"054C: use_GXT_table 'RACETOR'", "for $par = 1 to $a",
                     " Model.Load($model[$par])", "end", "wait 1000 ms", ""}));
    EXPECT_EQ(section(withoutObjects, ":RaceMission1_111", "01EB: set_traffic_density_to 0.0"),
              (Lines{":RaceMission1_111", "wait 0 ms", "for $par = 1 to $a", " if",
                     "   Model.Available($model[$par])", " jf @RaceMission1_111", "end"}));

    mission.appendObject({"1238"});
    const Lines lines = script(mission);
    const Lines loading = section(lines, "wait 1000 ms", "01EB: set_traffic_density_to 0.0");
    EXPECT_TRUE(contains(lines, " Model.Load($objectmodel[$par])"));
    EXPECT_EQ(Lines(loading.end() - 5, loading.end()),
              (Lines{"for $par = 1 to $c", " if", "  Model.Available($objectmodel[$par])",
                     " jf @RaceMission1_111", "end"}));
}

TEST(RaceSetup, CarsGetDriversAndThePlayerSitsInHisCar) {
    Mission mission;
    fillSmallMission(mission);
    const Lines lines = script(mission);
    EXPECT_EQ(
        section(lines, "01EB: set_traffic_density_to 0.0", "Player.CanMove($PLAYER_CHAR) = False"),
        (Lines{"01EB: set_traffic_density_to 0.0",
               "0395: clear_area 1 at $carx[$ak] $cary[$ak] $carz[$ak] range 300.0",
               "for $par = 1 to $a",
               " $car[$par] = Car.Create($model[$par], $carx[$par], $cary[$par], $carz[$par])",
               " Car.Angle($car[$par]) = $angle[$par]", " 07EE: car $car[$par] enable_tire_marks 1",
               " Car.DoorStatus($car[$par]) = 2", " if", "  $par <> $ak", " then",
               "  0560: $car[$par] = create_random_driver_in_vehicle $act[$par]", " end", "end",
               "036A: put_actor $PLAYER_ACTOR in_vehicle $car[$ak]"}));
}

TEST(RaceSetup, OwnCarImmunitiesWeightAndHandling) {
    Mission mission;
    fillSmallMission(mission, [](MissionParameters& p) {
        p.PlayerCar = p.BP = p.VH = true;
        p.IHBar = 5;
    });
    mission.appendObject({"1238"});
    const Lines lines = script(mission);
    const Lines cars =
        section(lines, "0395: clear_area 1 at $carx[$ak] $cary[$ak] $carz[$ak] range 300.0",
                "Player.CanMove($PLAYER_CHAR) = False");
    EXPECT_EQ(cars, (Lines{"0395: clear_area 1 at $carx[$ak] $cary[$ak] $carz[$ak] range 300.0",
                           "for $par = 1 to $a",
                           " if",
                           "  $par == $ak",
                           " then",
                           "  $car[$ak] = Actor.Car($PLAYER_ACTOR)",
                           "  Car.PutAt($car[$ak], $carx[$par], $cary[$par], $carz[$par])",
                           "  Car.Angle($car[$ak]) = $angle[$ak]",
                           "  wait 500 ms",
                           "  Continue",
                           " end",
                           " $car[$par] = Car.Create($model[$par], $carx[$par], $cary[$par], "
                           "$carz[$par])",
                           " Car.Angle($car[$par]) = $angle[$par]",
                           " Car.SetImmunities($car[$par], 1, 1, 1, 1, 1)",
                           " 01EC: make_car $car[$par] very_heavy 1",
                           " 07EE: car $car[$par] enable_tire_marks 1",
                           " Car.DoorStatus($car[$par]) = 2",
                           " if",
                           "  $par <> $ak",
                           " then",
                           "  0560: $car[$par] = create_random_driver_in_vehicle $act[$par]",
                           "  0423: vehicle $car[$par] improve_handling 5.0",
                           " end",
                           "end",
                           "for $par = 1 to $c",
                           " $object[$par] = Object.Create($objectmodel[$par], $objectx[$par], "
                           "$objecty[$par], $objectz[$par])",
                           " Object.Angle($object[$par]) = $objectangle[$par]",
                           " Object.CollisionDetection($object[$par]) = True",
                           "end"}));
    EXPECT_FALSE(mentions(lines, "036A: put_actor"));
}

}  // namespace
}  // namespace qv::test
