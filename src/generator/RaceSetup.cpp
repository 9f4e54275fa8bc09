// The race set-up: mission counters, weather and time, model loading, the start area, the
// cars with their drivers, and the objects.
#include "generator/ScriptContext.h"

namespace qv {

void writeRaceBodyOpening(const ScriptContext& c) {
    auto& out = c.out;
    out.label(label::RaceBody);
    out.lines({"increment_mission_attempts", "$ONMISSION = 1 // integer values"});
    if (c.p.AWeather > 0) {
        out.line("set_weather ", c.p.AWeather - 1);
    }
    if (c.p.ATime) {
        out.line("00C0: set_current_time ", c.p.AHour, " ", c.p.AMinutes);
    }
    out.lines({"Player.ClearWantedLevel($PLAYER_CHAR)", "00BE: text_clear_all"});
}

void writeModelLoading(const ScriptContext& c) {
    auto& out = c.out;
    out.lines({"054C: use_GXT_table 'RACETOR'", "for $par = 1 to $a", " Model.Load($model[$par])",
               "end"});
    if (c.hasObjects()) {
        out.lines({"for $par = 1 to $c", " Model.Load($objectmodel[$par])", "end"});
    }
    out.lines({"wait 1000 ms", ""});
    out.label(label::WaitForModels);
    out.line("wait 0 ms");
    out.lines({"for $par = 1 to $a", " if", "   Model.Available($model[$par])"});
    out.jump(" jf", label::WaitForModels);
    out.line("end");
    if (c.hasObjects()) {
        out.lines({"for $par = 1 to $c", " if", "  Model.Available($objectmodel[$par])"});
        out.jump(" jf", label::WaitForModels);
        out.line("end");
    }
}

void writeStartArea(const ScriptContext& c) {
    c.out.lines({"01EB: set_traffic_density_to 0.0",
                 "0395: clear_area 1 at $carx[$ak] $cary[$ak] $carz[$ak] range 300.0"});
}

void writeCarsAndDrivers(const ScriptContext& c) {
    auto& out = c.out;
    out.line("for $par = 1 to $a");
    if (c.p.PlayerCar) {
        // The player's own car becomes the car of his row, moved to that row's start.
        out.lines({" if", "  $par == $ak", " then", "  $car[$ak] = Actor.Car($PLAYER_ACTOR)",
                   "  Car.PutAt($car[$ak], $carx[$par], $cary[$par], $carz[$par])",
                   "  Car.Angle($car[$ak]) = $angle[$ak]", "  wait 500 ms", "  Continue", " end"});
    }
    out.lines({" $car[$par] = Car.Create($model[$par], $carx[$par], $cary[$par], $carz[$par])",
               " Car.Angle($car[$par]) = $angle[$par]"});
    if (c.p.BP) {
        out.line(" Car.SetImmunities($car[$par], 1, 1, 1, 1, 1)");
    }
    if (c.p.VH) {
        out.line(" 01EC: make_car $car[$par] very_heavy 1");
    }
    out.lines({" 07EE: car $car[$par] enable_tire_marks 1", " Car.DoorStatus($car[$par]) = 2",
               " if", "  $par <> $ak", " then",
               "  0560: $car[$par] = create_random_driver_in_vehicle $act[$par]"});
    if (c.p.IHBar > 0) {
        out.line("  0423: vehicle $car[$par] improve_handling ", c.p.IHBar, ".0");
    }
    out.lines({" end", "end"});
    if (!c.p.PlayerCar) {
        out.line("036A: put_actor $PLAYER_ACTOR in_vehicle $car[$ak]");
    }
}

void writeObjects(const ScriptContext& c) {
    if (!c.hasObjects()) {
        return;
    }
    c.out.lines({"for $par = 1 to $c",
                 " $object[$par] = Object.Create($objectmodel[$par], $objectx[$par], "
                 "$objecty[$par], $objectz[$par])",
                 " Object.Angle($object[$par]) = $objectangle[$par]",
                 " Object.CollisionDetection($object[$par]) = True", "end"});
}

}  // namespace qv
