// The events subroutine: each of the user's events runs its actions once, the first time its
// conditions hold.
#include "generator/ScriptContext.h"

namespace qv {

void writeEvents(const ScriptContext& c) {
    if (!c.hasEvents()) {
        return;
    }
    auto& out = c.out;
    out.label(label::Events);
    for (int e = 1; e <= c.mission.eventCount(); ++e) {
        const EventEntry event = c.mission.event(e);
        out.line("if");
        out.line(" not $Event", e, " == 1");
        out.line("then");
        out.line(" if ", event.ConditionKind);
        for (const auto& condition : event.Conditions) {
            out.line("  ", condition);
        }
        out.line(" then");
        for (const auto& action : event.Actions) {
            out.line("  ", action);
        }
        out.line(" $Event", e, " = 1");
        out.lines({" end", "end"});
    }
    out.line("return");
}

}  // namespace qv
