#include <gtest/gtest.h>

#include "ScriptTestSupport.h"

namespace qv::test {
namespace {

const std::string Timer = "03C3: set_timer_with_text_to $time type 0 text 'TIMER' // TIME";

TEST(RaceLoop, ASprintPassesTheRouteOnce) {
    Mission mission;
    fillSmallMission(mission);
    const Lines lines = script(mission);
    EXPECT_EQ(
        section(lines, Timer, ":RaceMission1_211"),
        (Lines{
            Timer,
            "for $kar = 1 to $b",
            " $nar = $kar // integer values",
            " $nar += 1 // integer values",
            " 018A: $chekp = create_checkpoint_at $pointx[$kar] $pointy[$kar] $pointz[$kar]",
            " 0168: show_on_radar $chekp 4",
            "if",
            "  $kar == $b // integer values",
            " then",
            "  Marker.SetColor($chekp, 0)",
            "  $a0 = 1 // integer values",
            " end",
            " 06D5: $rchekp = create_racing_checkpoint_at $pointx[$kar] $pointy[$kar] "
            "$pointz[$kar] point_to $pointx[$nar] $pointy[$nar] $pointz[$nar] type $a0 radius 6.0",
            " while 8100: not actor $PLAYER_ACTOR near_point_in_vehicle $pointx[$kar] "
            "$pointy[$kar] $pointz[$kar] radius 12.0 12.0 12.0 sphere 0",
            "  gosub @RaceMission1_211",
            "  03F0: toggle_text_draw 0",
            "  $pos2 = $pos // integer values",
            "  0340: set_text_draw_color 134 155 184 255",
            "  0349: text_draw_style = 1",
            "  033F: set_text_draw_letter_width_height 1.0 3.6",
            "  0341: unknown_text_stuff 3",
            "  0342: set_text_draw_centered 1",
            "  0343: set_text_linewidth 640.0",
            "  060D: draw_text_shadow 2 color 0 0 0 alpha 180",
            "  038E: draw_box position 570.7242 356.2812 scale 68.2072 48.2072 color 0 0 0 alpha "
            "255",
            "  038E: draw_box position 570.7242 356.2812 scale 66.2072 46.2072 color 134 155 184 "
            "alpha 255",
            "  038E: draw_box position 570.7242 356.2812 scale 62.2072 42.2072 color 0 0 0 alpha "
            "255",
            "  045A: text_draw_1number 570.0 339.0 'RACES44' $pos2 // ~1~TH",
            "  $pos = 1 // integer values",
            "  if",
            "   not Actor.InCar($PLAYER_ACTOR, $car[$ak])",
            "  then",
            "   jump @RaceMission1_2497",
            "  end",
            "  if or",
            "   Car.Wrecked($car[$ak])",
            "   02BF: car $car[$ak] sunk",
            "  then",
            "   jump @RaceMission1_2497",
            "  end",
            "  wait 0 ms",
            " end",
            " Marker.Disable($chekp)",
            " 06D6: delete_racing_checkpoint $rchekp",
            " 097A: at 0.0 0.0 0.0 play_sound 1058",
            "end",
            "jump @RaceMission1_2491",
            ""}));
    EXPECT_FALSE(mentions(lines, "$CurrentLap"));
    EXPECT_FALSE(mentions(lines, "$TotalLaps"));
    EXPECT_FALSE(mentions(lines, "$Lap"));
}

TEST(RaceLoop, ACircuitLoopsOverTheLapsAndRecoversThePlayersCar) {
    Mission mission;
    fillSmallMission(mission, [](MissionParameters& p) {
        p.ARaceType = Circuit;
        p.Flags[RecoverPlayerCar] = true;
    });
    mission.appendEvent({"", {"c"}, {"a"}});
    const Lines lines = script(mission);
    const Lines loop = section(lines, Timer, ":RaceMission1_211");
    EXPECT_EQ(
        Lines(loop.begin() + 1, loop.begin() + 19),
        (Lines{"for $CurrentLap = 1 to $TotalLaps", "for $kar = 1 to $b",
               " $nar = $kar // integer values", " $nar += 1 // integer values", " if and",
               "   $nar > $b", "   $CurrentLap <> $TotalLaps", " then", "   $nar = 1", " end",
               " 018A: $chekp = create_checkpoint_at $pointx[$kar] $pointy[$kar] $pointz[$kar]",
               " 0168: show_on_radar $chekp 4", " if and", "  $kar == $b // integer values",
               "  $CurrentLap == $TotalLaps", " then", "  Marker.SetColor($chekp, 0)",
               "  $a0 = 1 // integer values"}));
    EXPECT_TRUE(contains(loop, "  gosub @RaceMission1_651"));
    EXPECT_EQ(
        section(loop, "  060D: draw_text_shadow 2 color 0 0 0 alpha 180",
                "  $pos = 1 // integer values"),
        (Lines{
            "  060D: draw_text_shadow 2 color 0 0 0 alpha 180",
            "  038E: draw_box_position 570.7242 356.2812 size 68.2072 74.2072 RGBA 0 0 0 255 ",
            "  038E: draw_box_position 570.7242 356.2812 size 66.2072 72.2072 RGBA 134 155 184 255",
            "  038E: draw_box_position 570.7242 356.2812 size 62.2072 70.2072 RGBA 0 0 0 255",
            "  045A: draw_text_1number 570.0 357.0 GXT 'RACES44' number $pos2  // ~1~TH",
            "  033F: set_text_draw_letter_size 0.7 2.0",
            "  0340: set_text_draw_RGBA 134 155 184 255",
            "  045B: draw_text_2numbers 543.0 322.0 GXT 'RACES32' numbers $CurrentLap $TotalLaps  "
            "// LAP ~1~/~1~"}));
    EXPECT_EQ(
        section(loop, "  if or", "  wait 0 ms"),
        (Lines{"  if or", "   01F4: vehicle $car[$ak] flipped", "   02BF: car $car[$ak] sunk",
               "  then", "   Car.StorePos($car[$ak], $xpos, $ypos, $zpos)",
               "   02C1: set $xpos $ypos $zpos to_car_path_coords_closest_to $xpos $ypos $zpos",
               "   Car.PutAt($car[$ak], $xpos, $ypos, $zpos)", "  end"}));
    EXPECT_EQ(Lines(loop.end() - 4, loop.end()),
              (Lines{"end", "end", "jump @RaceMission1_2491", ""}));
}

TEST(RaceLoop, OpponentsOfASprintAreDroppedWhenWreckedWithoutRecovery) {
    Mission mission;
    fillSmallMission(mission);
    const Lines opponents = section(script(mission), ":RaceMission1_211", ":RaceMission1_2491");
    EXPECT_EQ(
        opponents,
        (Lines{":RaceMission1_211",
               "for $ind = 1 to $a",
               " if",
               "  $ind <> $ak // integer values",
               " then",
               "  if",
               "   $car[$ind] <> -1",
               "  then",
               "   if",
               "    $stage[$ind] <= $b",
               "   then",
               "    $tar = $stage[$ind]",
               "    if",
               "     0100: actor $act[$ind] near_point_in_vehicle $pointx[$tar] $pointy[$tar] "
               "$pointz[$tar] radius 12.0 12.0 12.0 sphere 0",
               "    then",
               "     $stage[$ind] += 1",
               "     if",
               "      $stage[$ind] <= $b",
               "     then",
               "      $tar = $stage[$ind]",
               "      05D1: AS_actor $act[$ind] drive_vehicle $car[$ind] to $pointx[$tar] "
               "$pointy[$tar] $pointz[$tar] speed $speed[$tar] $type[$tar] 0 2 ",
               "     end",
               "    end",
               "    if",
               "     $kar == $stage[$ind]",
               "    then",
               "     Car.StorePos($car[$ak], $xpos, $ypos, $zpos)",
               "     0509: $dist = distance between point $xpos $ypos and point $pointx[$kar] "
               "$pointy[$kar]",
               "     Car.StorePos($car[$ind], $xpos2, $ypos2, $zpos2)",
               "     0509: $dist2 = distance between point $xpos2 $ypos2 and point $pointx[$kar] "
               "$pointy[$kar]",
               "     if",
               "      $dist > $dist2",
               "     then",
               "      $pos += 1",
               "     end",
               "     else",
               "      if",
               "       $stage[$ind] > $kar",
               "      then",
               "       $pos += 1",
               "      end",
               "     end",
               "     else",
               "      $pos += 1",
               "     end",
               "      if or",
               "       Car.Wrecked($car[$ind])",
               "       02BF: car $car[$ind] sunk",
               "       not Actor.Driving($act[$ind])",
               "      then",
               "       Actor.RemoveReferences($act[$ind])",
               "       Car.RemoveReferences($car[$ind])",
               "       $car[$ind] = -1",
               "       Marker.Disable($mark[$ind])",
               "      end",
               "    end",
               "  end",
               "end",
               "return",
               ""}));
}

TEST(RaceLoop, OpponentsOfACircuitCountLapsAndAreRecovered) {
    Mission mission;
    fillSmallMission(mission, [](MissionParameters& p) {
        p.ARaceType = Circuit;
        p.Flags[RecoverOpponentCars] = true;
    });
    const Lines opponents = section(script(mission), ":RaceMission1_211", ":RaceMission1_2491");
    EXPECT_EQ(section(opponents, "   if and", "   then"),
              (Lines{"   if and", "    $stage[$ind] <= $b", "    $Lap[$ind] <= $TotalLaps"}));
    EXPECT_EQ(section(opponents, "     else", "     end"),
              (Lines{"     else", "      if", "       $Lap[$ind] < $TotalLaps", "      then",
                     "       $Lap[$ind] += 1", "       $stage[$ind] = 1", "       $tar = 1",
                     "       05D1: AS_actor $act[$ind] drive_vehicle $car[$ind] to $pointx[$tar] "
                     "$pointy[$tar] $pointz[$tar] speed $speed[$tar] $type[$tar] 0 2",
                     "      end"}));
    EXPECT_EQ(section(opponents, "     $CurrentLap == $Lap[$ind]", "    if"),
              (Lines{"     $CurrentLap == $Lap[$ind]", "    then"}));
    const int lapAhead = find(opponents, "       $Lap[$ind] > $CurrentLap");
    ASSERT_GT(lapAhead, 0);
    EXPECT_EQ(
        Lines(opponents.begin() + lapAhead - 2, opponents.end()),
        (Lines{"     else",
               "      if",
               "       $Lap[$ind] > $CurrentLap",
               "      then",
               "      $pos += 1",
               "     end",
               "     end",
               "     else",
               "      $pos += 1",
               "     end",
               "     if or",
               "      01F4: vehicle $car[$ind] flipped",
               "      02BF: car $car[$ind] sunk",
               "     then",
               "      Car.StorePos($car[$ind], $xpos, $ypos, $zpos)",
               "      02C1: set $xpos $ypos $zpos to_car_path_coords_closest_to $xpos $ypos $zpos ",
               "      Car.PutAt($car[$ind], $xpos, $ypos, $zpos)",
               "     end",
               "    end",
               "  end",
               "end",
               "return",
               ""}));
}

}  // namespace
}  // namespace qv::test
