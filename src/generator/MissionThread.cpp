// The mission thread, and the race body's index constants, declarations and data arrays.
#include "generator/ScriptContext.h"

namespace qv {

namespace {

void integerVar(ScriptWriter& out, std::string_view name, int value) {
    out.line(" $", name, " : integer = ", value);
}

void array(ScriptWriter& out, std::string_view name, int size, std::string_view type) {
    out.line(" $", name, " : array ", size, " of ", type);
}

// "$name[$aI] = value // floating-point values"
void floatFill(ScriptWriter& out, std::string_view name, int index, std::string_view value) {
    out.line("$", name, "[$a", index, "] = ", value, floatSuffix(value),
             " // floating-point values");
}

void checkpointFill(ScriptWriter& out, int index, const CheckpointEntry& checkpoint) {
    floatFill(out, "pointx", index, checkpoint.X);
    floatFill(out, "pointy", index, checkpoint.Y);
    floatFill(out, "pointz", index, checkpoint.Z);
    out.line("$speed[$a", index, "] = ", checkpoint.Speed, ".0 // floating-point values");
    out.line("$type[$a", index, "] = ", checkpoint.Type, " // integer values");
}

}  // namespace

void writeMissionThread(const ScriptContext& c) {
    auto& out = c.out;
    out.line("//-------------Mission ", c.p.AMissionNumber, "---------------");
    out.empty();
    out.label(label::MissionStart);
    out.line("thread '", c.p.AMissionName, "'");
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
        c.out.line("$a", i, " = ", i, " // integer values");
    }
}

void writeDeclarations(const ScriptContext& c) {
    const auto& m = c.mission;
    auto& out = c.out;
    out.line("var");
    integerVar(out, "money", c.p.AMoneyPrize);
    out.line(" $traff : float = ", c.p.TrafficOn ? "1.0" : "0.0");
    integerVar(out, "a", m.carCount());
    integerVar(out, "ak", c.p.PlayerCarNumber);
    integerVar(out, "b", m.checkpointCount());
    if (c.hasObjects()) {
        integerVar(out, "c", m.objectCount());
    }
    integerVar(out, "d", m.componentTotal());
    out.line("end");

    out.lines({"var", " $nar : integer", " $tar : integer", " $time : float = 0.0",
               " $dist : float", " $dist2 : float"});
    integerVar(out, "pos", 1);
    integerVar(out, "pos2", 1);
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
        array(out, name, carArray, type);
    }
    const int checkpointArray = m.checkpointCount() + 8;
    for (const auto& [name, type] : {std::pair{"pointx", "float"},
                                     {"pointy", "float"},
                                     {"pointz", "float"},
                                     {"speed", "float"},
                                     {"type", "integer"}}) {
        array(out, name, checkpointArray, type);
    }
    if (c.circuit) {
        array(out, "Lap", carArray, "integer");
        integerVar(out, "TotalLaps", c.p.ALapsCount);
        out.line("$CurrentLap : integer");
    }
    if (c.hasObjects()) {
        for (const auto& [name, type] : {std::pair{"object", "object"},
                                         {"objectx", "float"},
                                         {"objecty", "float"},
                                         {"objectz", "float"},
                                         {"objectangle", "float"},
                                         {"objectmodel", "integer"}}) {
            array(out, name, c.indexCount, type);
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
        floatFill(out, "carx", i, car.X);
        floatFill(out, "cary", i, car.Y);
        floatFill(out, "carz", i, car.Z);
        floatFill(out, "angle", i, car.Angle);
    }
    for (int i = 1; i <= m.objectCount(); ++i) {
        const ObjectEntry& object = m.object(i);
        floatFill(out, "objectx", i, object.X);
        floatFill(out, "objecty", i, object.Y);
        floatFill(out, "objectz", i, object.Z);
        floatFill(out, "objectangle", i, object.Angle);
    }
    for (int i = 1; i <= m.carCount(); ++i) {
        // The player who brings his own car has no model line; that element stays 0.
        if (c.p.PlayerCar && i == c.p.PlayerCarNumber) {
            continue;
        }
        out.line("$model[$a", i, "] = #", m.car(i).Model);
    }
    for (int i = 1; i <= m.objectCount(); ++i) {
        out.line("$objectmodel[$a", i, "] = #", m.object(i).Model);
    }
}

}  // namespace qv
