#include <gtest/gtest.h>

#include "ScriptTestSupport.h"

namespace qv::test {
namespace {

Lines countdown(const Lines& lines) {
    return section(lines, "Player.CanMove($PLAYER_CHAR) = False",
                   "03C3: set_timer_with_text_to $time type 0 text 'TIMER' // TIME");
}

TEST(Countdown, WithoutFlagsThreeTwoOneGo) {
    Mission mission;
    fillSmallMission(mission);
    const Lines lines = script(mission);
    EXPECT_EQ(countdown(lines),
              (Lines{"Player.CanMove($PLAYER_CHAR) = False",
                     "03BF: set_player $PLAYER_CHAR ignored_by_everyone_to 1",
                     "03F4: set_all_vehicles_apply_damage_rules 0",
                     "wait 2500 ms",
                     "fade 1 1000",
                     "wait 1000 ms",
                     "00BA: text_styled 'RACES_4' 1100 ms 4 // 3",
                     "097A: at 0.0 0.0 0.0 play_sound 1056",
                     "wait 1100 ms",
                     "00BA: text_styled 'RACES_5' 1100 ms 4 // 2",
                     "097A: at 0.0 0.0 0.0 play_sound 1056",
                     "wait 1100 ms",
                     "00BA: text_styled 'RACES_6' 1100 ms 4 // 1",
                     "097A: at 0.0 0.0 0.0 play_sound 1056",
                     "wait 1100 ms",
                     "00BA: text_styled 'RACES_7' 800 ms 4 // GO!",
                     "097A: at 0.0 0.0 0.0 play_sound 1057",
                     "01BD: 11@ = current_time_in_ms",
                     "Player.CanMove($PLAYER_CHAR) = True",
                     "03BF: set_player $PLAYER_CHAR ignored_by_everyone_to 0",
                     "03F4: set_all_vehicles_apply_damage_rules 1",
                     "01EB: set_traffic_density_to $traff",
                     "Camera.SetBehindPlayer",
                     "Camera.Restore",
                     "for $par = 1 to $a",
                     " if",
                     "  $par <> $ak",
                     " then",
                     "  05D1: AS_actor $act[$par] drive_vehicle -1 to $pointx[$a1] $pointy[$a1] "
                     "$pointz[$a1] speed $speed[$a1] $type[$a1] 0 2",
                     "  $mark[$par] = Marker.CreateAboveCar($car[$par])",
                     "  Marker.SetColor($mark[$par], 2)",
                     "  Marker.SetIconSize($mark[$par], 2)",
                     " end",
                     "end"}));
    EXPECT_FALSE(mentions(lines, "create_coordinate"));
    EXPECT_FALSE(mentions(lines, "Camera.SetPosition"));
    EXPECT_FALSE(mentions(lines, "Camera.OnVehicle"));
    EXPECT_FALSE(mentions(lines, "set_camera_pointing_time"));
    EXPECT_FALSE(mentions(lines, "SetSpeedInstantly"));
}

TEST(Countdown, TheCameraFliesInAndOpponentsGetAwayFaster) {
    Mission mission;
    fillSmallMission(mission, [](MissionParameters& p) {
        p.Flags[CameraFlyIn] = true;
        p.Flags[OpponentsStartFaster] = true;
    });
    const Lines lines = script(mission);
    const int start =
        find(lines,
             "0407: create_coordinate $camx $camy $camz from_car $car[$ak] offset 0.0 -23.7 14.1");
    ASSERT_GT(start, 0);
    EXPECT_EQ(lines[size_t(start) + 1], "Camera.SetPosition($camx, $camy, $camz, 0.0, 0.0, 0.0)");
    EXPECT_EQ(lines[size_t(start) + 2], "Camera.OnVehicle($car[$ak], 15, 1)");
    EXPECT_EQ(lines[size_t(start) + 3], "Player.CanMove($PLAYER_CHAR) = False");
    EXPECT_EQ(
        section(lines, "097A: at 0.0 0.0 0.0 play_sound 1056",
                "00BA: text_styled 'RACES_5' 1100 ms 4 // 2"),
        (Lines{
            "097A: at 0.0 0.0 0.0 play_sound 1056", "wait 1100 ms",
            "0407: create_coordinate $camx2 $camy2 $camz2 from_car $car[$ak] offset 0.0 -13.7 7.1",
            "Camera.SetPosition($camx2, $camy2, $camz2, 0.0, 0.0, 0.0)",
            "Camera.OnVehicle($car[$ak], 15, 1)", "0460: set_camera_pointing_time 0.0 2000"}));
    EXPECT_TRUE(contains(
        lines,
        "0407: create_coordinate $camx3 $camy3 $camz3 from_car $car[$ak] offset 0.0 -6.7 3.1"));
    EXPECT_EQ(count(lines, "0460: set_camera_pointing_time 0.0 2000"), 2);
    EXPECT_EQ(count(lines, "Camera.OnVehicle($car[$ak], 15, 1)"), 3);
    const int speed = find(lines, "  Car.SetSpeedInstantly($car[$par], 14.0)");
    ASSERT_GT(speed, 0);
    EXPECT_EQ(lines[size_t(speed) - 1], " then");
    EXPECT_EQ(lines[size_t(speed) + 1].substr(0, 30), "  05D1: AS_actor $act[$par] dr");
}

}  // namespace
}  // namespace qv::test
