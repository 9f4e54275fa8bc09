// The mission thread, and the race body's index constants, declarations and data arrays.
#include "generator/ScriptContext.h"

namespace qv {

namespace {

std::string integerVar(const std::string& name, int value) {
    return " $" + name + " : integer = " + std::to_string(value);
}

std::string array(const std::string& name, int size, const std::string& type) {
    return " $" + name + " : array " + std::to_string(size) + " of " + type;
}

// "$name[$aI] = value // floating-point values"
std::string floatFill(const char* name, int index, std::string_view value) {
    return std::string("$") + name + "[$a" + std::to_string(index) + "] = " + scriptFloat(value) +
           " // floating-point values";
}

void checkpointFill(ScriptWriter& out, int index, const CheckpointEntry& checkpoint) {
    const std::string i = std::to_string(index);
    out.line(floatFill("pointx", index, checkpoint.X));
    out.line(floatFill("pointy", index, checkpoint.Y));
    out.line(floatFill("pointz", index, checkpoint.Z));
    out.line("$speed[$a" + i + "] = " + std::to_string(checkpoint.Speed) +
             ".0 // floating-point values");
    out.line("$type[$a" + i + "] = " + checkpoint.Type + " // integer values");
}

}  // namespace

void writeMissionThread(const ScriptContext& c) {
    auto& out = c.out;
    out.line("//-------------Mission " + std::to_string(c.p.AMissionNumber) + "---------------");
    out.empty();
    out.label(label::MissionStart);
    out.line("thread '" + c.p.AMissionName + "'");
    out.jump("gosub", label::RaceBody);
    out.lines({"if", " wasted_or_busted"});
    out.jump("jf", label::MissionEnd);
    out.jump("gosub", label::Failure);
    out.empty();
    out.label(label::MissionEnd);
    out.jump("gosub", label::EndBlock);
    out.line("end_thread");
    out.empty();
}

void writeIndexConstants(const ScriptContext& c) {
    for (int i = 0; i <= c.indexCount; ++i) {
        const std::string n = std::to_string(i);
        c.out.line("$a" + n + " = " + n + " // integer values");
    }
}

void writeDeclarations(const ScriptContext& c) {
    const auto& m = c.mission;
    auto& out = c.out;
    out.line("var");
    out.line(integerVar("money", c.p.AMoneyPrize));
    out.line(std::string(" $traff : float = ") + (c.p.TrafficOn ? "1.0" : "0.0"));
    out.line(integerVar("a", m.carCount()));
    out.line(integerVar("ak", c.p.PlayerCarNumber));
    out.line(integerVar("b", m.checkpointCount()));
    if (c.hasObjects()) {
        out.line(integerVar("c", m.objectCount()));
    }
    out.line(integerVar("d", m.componentTotal()));
    out.line("end");

    out.lines({"var", " $nar : integer", " $tar : integer", " $time : float = 0.0",
               " $dist : float", " $dist2 : float"});
    out.line(integerVar("pos", 1));
    out.line(integerVar("pos2", 1));
    const int carArray = m.carCount() + 4;
    for (const auto& [name, type] : {std::pair{"stage", "integer"},
                                     {"car", "car"},
                                     {"model", "integer"},
                                     {"act", "actor"},
                                     {"mark", "marker"},
                                     {"carx", "float"},
                                     {"cary", "float"},
                                     {"carz", "float"},
                                     {"angle", "float"}}) {
        out.line(array(name, carArray, type));
    }
    const int checkpointArray = m.checkpointCount() + 8;
    for (const auto& [name, type] : {std::pair{"pointx", "float"},
                                     {"pointy", "float"},
                                     {"pointz", "float"},
                                     {"speed", "float"},
                                     {"type", "integer"}}) {
        out.line(array(name, checkpointArray, type));
    }
    if (c.circuit) {
        out.line(array("Lap", carArray, "integer"));
        out.line(integerVar("TotalLaps", c.p.ALapsCount));
        out.line("$CurrentLap : integer");
    }
    if (c.hasObjects()) {
        for (const auto& [name, type] : {std::pair{"object", "object"},
                                         {"objectx", "float"},
                                         {"objecty", "float"},
                                         {"objectz", "float"},
                                         {"objectangle", "float"},
                                         {"objectmodel", "integer"}}) {
            out.line(array(name, c.indexCount, type));
        }
    }
    out.line("end");

    out.lines({"for $par = 1 to $a", " $stage[$par] = 1"});
    if (c.circuit) {
        out.line(" $Lap[$par] = 1");
    }
    out.line("end");
}

void writeDataFills(const ScriptContext& c) {
    const auto& m = c.mission;
    auto& out = c.out;
    const int checkpoints = m.checkpointCount();
    if (c.p.ARaceType == Sprint) {
        for (int i = 1; i <= checkpoints; ++i) {
            checkpointFill(out, i, m.checkpoint(i));
        }
    } else if (c.circuit && checkpoints > 0) {
        // The route is rotated so that the first checkpoint closes each lap.
        for (int i = 1; i < checkpoints; ++i) {
            checkpointFill(out, i, m.checkpoint(i + 1));
        }
        checkpointFill(out, checkpoints, m.checkpoint(1));
    }

    for (int i = 1; i <= m.carCount(); ++i) {
        const CarEntry& car = m.car(i);
        out.line(floatFill("carx", i, car.X));
        out.line(floatFill("cary", i, car.Y));
        out.line(floatFill("carz", i, car.Z));
        out.line(floatFill("angle", i, car.Angle));
    }
    for (int i = 1; i <= m.objectCount(); ++i) {
        const ObjectEntry& object = m.object(i);
        out.line(floatFill("objectx", i, object.X));
        out.line(floatFill("objecty", i, object.Y));
        out.line(floatFill("objectz", i, object.Z));
        out.line(floatFill("objectangle", i, object.Angle));
    }
    for (int i = 1; i <= m.carCount(); ++i) {
        // The player who brings his own car has no model line; that element stays 0.
        if (c.p.PlayerCar && i == c.p.PlayerCarNumber) {
            continue;
        }
        out.line("$model[$a" + std::to_string(i) + "] = #" + m.car(i).Model);
    }
    for (int i = 1; i <= m.objectCount(); ++i) {
        out.line("$objectmodel[$a" + std::to_string(i) + "] = #" + m.object(i).Model);
    }
}

}  // namespace qv
