// The countdown: the frozen start with the optional camera fly-in, 3-2-1-GO with sounds, the
// release of the player, and the opponents' first drive orders.
#include "generator/ScriptContext.h"

namespace qv {

namespace {

// A camera point `behind` metres behind and `above` metres above the player's car.
void cameraPoint(const ScriptContext& c, std::string_view suffix, const char* behind,
                 const char* above, bool pointingTime) {
    if (!c.flag(CameraFlyIn)) {
        return;
    }
    c.out.line("0407: create_coordinate $camx", suffix, " $camy", suffix, " $camz", suffix,
               " from_car $car[$ak] offset 0.0 ", behind, " ", above);
    c.out.line("Camera.SetPosition($camx", suffix, ", $camy", suffix, ", $camz", suffix,
               ", 0.0, 0.0, 0.0)");
    c.out.line("Camera.OnVehicle($car[$ak], 15, 1)");
    if (pointingTime) {
        c.out.line("0460: set_camera_pointing_time 0.0 2000");
    }
}

void countdownNumber(const ScriptContext& c, const char* key, const char* shown) {
    c.out.line("00BA: text_styled '", key, "' 1100 ms 4 // ", shown);
    c.out.lines({"097A: at 0.0 0.0 0.0 play_sound 1056", "wait 1100 ms"});
}

}  // namespace

void writeCountdown(const ScriptContext& c) {
    auto& out = c.out;
    cameraPoint(c, "", "-23.7", "14.1", false);
    out.lines({"Player.CanMove($PLAYER_CHAR) = False",
               "03BF: set_player $PLAYER_CHAR ignored_by_everyone_to 1",
               "03F4: set_all_vehicles_apply_damage_rules 0", "wait 2500 ms", "fade 1 1000",
               "wait 1000 ms"});
    countdownNumber(c, "RACES_4", "3");
    cameraPoint(c, "2", "-13.7", "7.1", true);
    countdownNumber(c, "RACES_5", "2");
    cameraPoint(c, "3", "-6.7", "3.1", true);
    countdownNumber(c, "RACES_6", "1");
    out.lines({"00BA: text_styled 'RACES_7' 800 ms 4 // GO!",
               "097A: at 0.0 0.0 0.0 play_sound 1057", "01BD: 11@ = current_time_in_ms",
               "Player.CanMove($PLAYER_CHAR) = True",
               "03BF: set_player $PLAYER_CHAR ignored_by_everyone_to 0",
               "03F4: set_all_vehicles_apply_damage_rules 1", "01EB: set_traffic_density_to $traff",
               "Camera.SetBehindPlayer", "Camera.Restore", "for $par = 1 to $a", " if",
               "  $par <> $ak", " then"});
    if (c.flag(OpponentsStartFaster)) {
        out.line("  Car.SetSpeedInstantly($car[$par], 14.0)");
    }
    out.lines(
        {"  05D1: AS_actor $act[$par] drive_vehicle -1 to $pointx[$a1] $pointy[$a1] "
         "$pointz[$a1] speed $speed[$a1] $type[$a1] 0 2",
         "  $mark[$par] = Marker.CreateAboveCar($car[$par])", "  Marker.SetColor($mark[$par], 2)",
         "  Marker.SetIconSize($mark[$par], 2)", " end", "end",
         "03C3: set_timer_with_text_to $time type 0 text 'TIMER' // TIME"});
}

}  // namespace qv
