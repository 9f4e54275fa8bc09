// The race loop that drives the player from checkpoint to checkpoint (lap by lap in a circuit),
// and the opponents subroutine it calls on every frame.
#include "generator/ScriptContext.h"

namespace qv {

namespace {

void positionDisplay(const ScriptContext& c) {
    if (c.circuit) {
        c.out.lines({
            "  038E: draw_box_position 570.7242 356.2812 size 68.2072 74.2072 RGBA 0 0 0 255 ",
            "  038E: draw_box_position 570.7242 356.2812 size 66.2072 72.2072 RGBA 134 155 184 255",
            "  038E: draw_box_position 570.7242 356.2812 size 62.2072 70.2072 RGBA 0 0 0 255",
            "  045A: draw_text_1number 570.0 357.0 GXT 'RACES44' number $pos2  // ~1~TH",
            "  033F: set_text_draw_letter_size 0.7 2.0",
            "  0340: set_text_draw_RGBA 134 155 184 255",
            "  045B: draw_text_2numbers 543.0 322.0 GXT 'RACES32' numbers $CurrentLap $TotalLaps  "
            "// LAP ~1~/~1~",
        });
    } else {
        c.out.lines({
            "  038E: draw_box position 570.7242 356.2812 scale 68.2072 48.2072 color 0 0 0 alpha "
            "255",
            "  038E: draw_box position 570.7242 356.2812 scale 66.2072 46.2072 color 134 155 184 "
            "alpha 255",
            "  038E: draw_box position 570.7242 356.2812 scale 62.2072 42.2072 color 0 0 0 alpha "
            "255",
            "  045A: text_draw_1number 570.0 339.0 'RACES44' $pos2 // ~1~TH",
        });
    }
}

void playerCarCheck(const ScriptContext& c) {
    auto& out = c.out;
    if (c.flag(RecoverPlayerCar)) {
        out.lines({"  if or", "   01F4: vehicle $car[$ak] flipped", "   02BF: car $car[$ak] sunk",
                   "  then", "   Car.StorePos($car[$ak], $xpos, $ypos, $zpos)",
                   "   02C1: set $xpos $ypos $zpos to_car_path_coords_closest_to $xpos $ypos $zpos",
                   "   Car.PutAt($car[$ak], $xpos, $ypos, $zpos)", "  end"});
    } else {
        out.lines(
            {"  if or", "   Car.Wrecked($car[$ak])", "   02BF: car $car[$ak] sunk", "  then"});
        out.jump("   jump", label::Failure);
        out.line("  end");
    }
}

void opponentCarCheck(const ScriptContext& c) {
    if (c.flag(RecoverOpponentCars)) {
        c.out.lines({"     if or", "      01F4: vehicle $car[$ind] flipped",
                     "      02BF: car $car[$ind] sunk", "     then",
                     "      Car.StorePos($car[$ind], $xpos, $ypos, $zpos)",
                     "      02C1: set $xpos $ypos $zpos to_car_path_coords_closest_to $xpos $ypos "
                     "$zpos ",
                     "      Car.PutAt($car[$ind], $xpos, $ypos, $zpos)", "     end"});
    } else {
        c.out.lines({"      if or", "       Car.Wrecked($car[$ind])",
                     "       02BF: car $car[$ind] sunk", "       not Actor.Driving($act[$ind])",
                     "      then", "       Actor.RemoveReferences($act[$ind])",
                     "       Car.RemoveReferences($car[$ind])", "       $car[$ind] = -1",
                     "       Marker.Disable($mark[$ind])", "      end"});
    }
}

}  // namespace

void writeRaceLoop(const ScriptContext& c) {
    auto& out = c.out;
    if (c.circuit) {
        out.line("for $CurrentLap = 1 to $TotalLaps");
    }
    out.lines(
        {"for $kar = 1 to $b", " $nar = $kar // integer values", " $nar += 1 // integer values"});
    if (c.circuit) {
        out.lines({" if and", "   $nar > $b", "   $CurrentLap <> $TotalLaps", " then",
                   "   $nar = 1", " end"});
    }
    out.lines({" 018A: $chekp = create_checkpoint_at $pointx[$kar] $pointy[$kar] $pointz[$kar]",
               " 0168: show_on_radar $chekp 4"});
    out.line(c.circuit ? " if and" : "if");
    out.line("  $kar == $b // integer values");
    if (c.circuit) {
        out.line("  $CurrentLap == $TotalLaps");
    }
    out.lines({" then", "  Marker.SetColor($chekp, 0)", "  $a0 = 1 // integer values", " end",
               " 06D5: $rchekp = create_racing_checkpoint_at $pointx[$kar] $pointy[$kar] "
               "$pointz[$kar] point_to $pointx[$nar] $pointy[$nar] $pointz[$nar] type $a0 radius "
               "6.0",
               " while 8100: not actor $PLAYER_ACTOR near_point_in_vehicle $pointx[$kar] "
               "$pointy[$kar] $pointz[$kar] radius 12.0 12.0 12.0 sphere 0"});
    out.jump("  gosub", label::Opponents);
    if (c.hasEvents()) {
        out.jump("  gosub", label::Events);
    }
    out.lines({"  03F0: toggle_text_draw 0", "  $pos2 = $pos // integer values",
               "  0340: set_text_draw_color 134 155 184 255", "  0349: text_draw_style = 1",
               "  033F: set_text_draw_letter_width_height 1.0 3.6", "  0341: unknown_text_stuff 3",
               "  0342: set_text_draw_centered 1", "  0343: set_text_linewidth 640.0",
               "  060D: draw_text_shadow 2 color 0 0 0 alpha 180"});
    positionDisplay(c);
    out.lines({"  $pos = 1 // integer values", "  if",
               "   not Actor.InCar($PLAYER_ACTOR, $car[$ak])", "  then"});
    out.jump("   jump", label::Failure);
    out.line("  end");
    playerCarCheck(c);
    out.lines({"  wait 0 ms", " end", " Marker.Disable($chekp)",
               " 06D6: delete_racing_checkpoint $rchekp", " 097A: at 0.0 0.0 0.0 play_sound 1058",
               "end"});
    if (c.circuit) {
        out.line("end");
    }
    out.jump("jump", label::Finish);
    out.empty();
}

void writeOpponents(const ScriptContext& c) {
    auto& out = c.out;
    const bool circuit = c.circuit;
    out.label(label::Opponents);
    out.lines({"for $ind = 1 to $a", " if", "  $ind <> $ak // integer values", " then", "  if",
               "   $car[$ind] <> -1", "  then"});
    out.line(circuit ? "   if and" : "   if");
    out.line("    $stage[$ind] <= $b");
    if (circuit) {
        out.line("    $Lap[$ind] <= $TotalLaps");
    }
    // Progress towards the next checkpoint.
    out.lines({"   then", "    $tar = $stage[$ind]", "    if",
               "     0100: actor $act[$ind] near_point_in_vehicle $pointx[$tar] $pointy[$tar] "
               "$pointz[$tar] radius 12.0 12.0 12.0 sphere 0",
               "    then", "     $stage[$ind] += 1", "     if", "      $stage[$ind] <= $b",
               "     then", "      $tar = $stage[$ind]",
               "      05D1: AS_actor $act[$ind] drive_vehicle $car[$ind] to $pointx[$tar] "
               "$pointy[$tar] $pointz[$tar] speed $speed[$tar] $type[$tar] 0 2 "});
    if (circuit) {
        out.lines({"     else", "      if", "       $Lap[$ind] < $TotalLaps", "      then",
                   "       $Lap[$ind] += 1", "       $stage[$ind] = 1", "       $tar = 1",
                   "       05D1: AS_actor $act[$ind] drive_vehicle $car[$ind] to $pointx[$tar] "
                   "$pointy[$tar] $pointz[$tar] speed $speed[$tar] $type[$tar] 0 2",
                   "      end"});
    }
    out.lines({"     end", "    end"});
    // The position count.
    if (circuit) {
        out.lines({"    if", "     $CurrentLap == $Lap[$ind]", "    then"});
    }
    out.lines({"    if",
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
               "     else"});
    if (circuit) {
        out.lines({"      if", "       $Lap[$ind] > $CurrentLap", "      then"});
    }
    out.lines({"      $pos += 1", "     end"});
    if (circuit) {
        out.lines({"     end", "     else", "      $pos += 1", "     end"});
    }
    opponentCarCheck(c);
    out.lines({"    end", "  end", "end", "return", ""});
}

}  // namespace qv
