#pragma once

#include <string>
#include <string_view>

#include "generator/ScriptWriter.h"
#include "model/Mission.h"

namespace qv {

// What every section of the script reads while it is written.
struct ScriptContext {
    const Mission& mission;
    const MissionParameters& p;
    ScriptWriter& out;
    bool circuit;    // race type 1; every other value writes the sprint forms
    int indexCount;  // M: the largest of the three row counts, plus 8

    bool hasObjects() const { return mission.objectCount() > 0; }
    bool hasEvents() const { return mission.eventCount() > 0; }
    bool flag(int index) const { return p.Flags[static_cast<size_t>(index)]; }
};

// What follows a stored coordinate or angle in the script, which carries it exactly as stored:
// ".0" after a whole number ("-1141", "0"), since Sanny Builder takes a bare integer for an
// integer and refuses it in a float array; nothing after anything else.
std::string_view floatSuffix(std::string_view text);

// The sections of the script, in the order the generator writes them.
void writeTriggerThread(const ScriptContext& c);
void writeMissionThread(const ScriptContext& c);
void writeRaceBodyOpening(const ScriptContext& c);
void writeIndexConstants(const ScriptContext& c);
void writeDeclarations(const ScriptContext& c);
void writeDataFills(const ScriptContext& c);
void writeModelLoading(const ScriptContext& c);
void writeStartArea(const ScriptContext& c);
void writeCarsAndDrivers(const ScriptContext& c);
void writeObjects(const ScriptContext& c);
void writeCountdown(const ScriptContext& c);
void writeRaceLoop(const ScriptContext& c);
void writeOpponents(const ScriptContext& c);
void writeEvents(const ScriptContext& c);
void writeFinish(const ScriptContext& c);
void writeFailure(const ScriptContext& c);
void writeRemoval(const ScriptContext& c);
void writeEndBlock(const ScriptContext& c);

}  // namespace qv
