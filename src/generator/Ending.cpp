// The end of the race: the finish block, the failure block, the removal subroutine that
// releases everything the mission created, and the end block.
#include "generator/ScriptContext.h"

namespace qv {

namespace {

// The race time since the start signal, in minutes (452@) and seconds (453@).
void timeLines(ScriptWriter& out) {
    out.lines({" 01BD: 12@ = current_time_in_ms", " 0085: 13@ = 12@ // integer values and handles",
               " 0062: 13@ -= 11@ // integer values", " 13@ /= 1000.0 // floating-point values",
               " 0085: 452@ = 13@ // integer values and handles", " 452@ /= 60 // integer values",
               " 0085: 36@ = 452@ // integer values and handles", " 36@ *= 60 // integer values",
               " 0085: 453@ = 13@ // integer values and handles",
               " 0062: 453@ -= 36@ // integer values"});
}

}  // namespace

void writeFinish(const ScriptContext& c) {
    auto& out = c.out;
    out.label(label::Finish);
    out.jump("gosub", label::Remove);
    out.lines({"if", " $pos2 == 1", "then", " 00BA: text_styled 'RACES18' 3000 ms 1 // Winner!",
               "wait 3000 ms",
               " 01E3: text_1number_styled 'M_PASS' $money 4000 ms 1 // MISSION PASSED!~n~~w~$~1~",
               " Player.Money($PLAYER_CHAR) += $money"});
    timeLines(out);
    out.lines({" 0394: play_music 1",
               "02FD: text_2numbers_lowpriority 'TIME' 452@ 453@ 8000 ms 1 // ~1~:~1~", "else",
               " 01E3: text_1number_styled 'RACES_8' 200 5000 ms 1"});
    timeLines(out);
    out.lines({" 02FD: text_2numbers_lowpriority 'TIME' 452@ 453@ 8000 ms 1 // ~1~:~1~", "end",
               "0318: set_latest_mission_passed_to 'RACES_0' // Races",
               "Player.ClearWantedLevel($PLAYER_CHAR)"});
    if (c.p.PassRepeat) {
        out.jump("create_thread", label::Trigger);
    }
    out.jump("gosub", label::MissionEnd);
    out.lines({"return", ""});
}

void writeFailure(const ScriptContext& c) {
    auto& out = c.out;
    out.label(label::Failure);
    out.jump("gosub", label::Remove);
    out.line("00BA: text_styled 'RACES_8' 5000 ms 1 // Loser!");
    out.jump("create_thread", label::Trigger);
    out.lines({"return", ""});
}

void writeRemoval(const ScriptContext& c) {
    auto& out = c.out;
    out.label(label::Remove);
    out.lines({"01EB: set_traffic_density_to 1.0", "Car.DoorStatus($car[$ak]) = 0",
               "for $par = 1 to $a"});
    if (c.p.PlayerCar) {
        // The player's own car is left alone.
        out.lines({" if", "  $par == $ak", " then", "  wait 500 ms", "  Continue", " end"});
    }
    out.lines({" if", "  $car[$par] <> -1", " then",
               "  Car.SetImmunities($car[$par], 0, 0, 0, 0, 0)", "  Model.Destroy($model[$par])",
               "  Car.RemoveReferences($car[$par])", "  if", "   $par <> $ak", "  then",
               "   Marker.Disable($mark[$par])", "   Actor.RemoveReferences($act[$par])", "  end",
               " end", "end"});
    if (c.hasObjects()) {
        out.lines({"for $par = 1 to $c", " if", "  $object[$par] <> -1", " then",
                   "  Model.Destroy($objectmodel[$par])",
                   "  Object.RemoveReferences($object[$par])", " end", "end"});
    }
    out.lines({"Marker.Disable($chekp)", "06D6: delete_racing_checkpoint $rchekp",
               "03F0: toggle_text_draw 0", "014F: delete_timer $time", "01B7: release_weather",
               "return", ""});
}

void writeEndBlock(const ScriptContext& c) {
    c.out.label(label::EndBlock);
    c.out.lines({"$ONMISSION = 0 // integer values", "mission_cleanup", "return"});
}

}  // namespace qv
