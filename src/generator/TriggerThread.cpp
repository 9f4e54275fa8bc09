// The trigger thread: a marker at the race start, a loop that waits until the player stands
// there ready, a fade, and the start of the mission.
#include "generator/ScriptContext.h"

namespace qv {

namespace {
// One condition tested on its own: any failing one sends the loop back to its top.
void condition(const ScriptContext& c, const std::string& test) {
    c.out.line("if");
    c.out.line(test);
    c.out.jump("jf", label::WaitForPlayer);
}
}  // namespace

void writeTriggerThread(const ScriptContext& c) {
    const auto& p = c.p;
    auto& out = c.out;
    const std::string vars = "$" + p.AStartXvar + " $" + p.AStartYvar + " $" + p.AStartZvar;

    out.label(label::Trigger);
    const auto startAxis = [&](const std::string& var, const std::string& value) {
        out.line("$", var, " = ", value, floatSuffix(value), " // floating-point values");
    };
    startAxis(p.AStartXvar, p.AStartX);
    startAxis(p.AStartYvar, p.AStartY);
    startAxis(p.AStartZvar, p.AStartZ);
    out.line("$11192 = Marker.CreateIconAndSphere(53, $", p.AStartXvar, ", $", p.AStartYvar, ", $",
             p.AStartZvar, ")");
    out.empty();

    out.label(label::WaitForPlayer);
    out.line("wait 25 ms");
    condition(c, " Player.Defined($PLAYER_CHAR)");
    if (p.PlayerCar) {
        condition(c, " 0103: actor $PLAYER_ACTOR stopped_near_point_in_car " + vars +
                         " radius 4.0 4.0 4.0 sphere 0");
    } else {
        condition(c, " 0101: actor $PLAYER_ACTOR stopped_near_point " + vars +
                         " radius 3.0 3.0 3.0 sphere 0");
    }
    condition(c, " Player.Controllable($PLAYER_CHAR)");
    condition(c, " $ONMISSION == 0 // integer values");
    out.lines({
        "Marker.Disable($11192)",
        "054C: use_GXT_table 'RACETOR'",
        "00BA: text_styled 'RACES_0' 1500 ms 2 // Races",
        "0169: set_fade_color 0 0 0",
        "fade 0 2500",
        "",
    });

    out.label(label::WaitForFade);
    out.line("wait 0 ms");
    out.lines({"if", " not fading"});
    out.jump("jf", label::WaitForFade);
    out.lines({"00BE: text_clear_all", "03E6: remove_text_box"});
    out.line("start_mission ", p.AMissionNumber);
    out.line("end_thread");
    out.lineBreakLine();
}

}  // namespace qv
