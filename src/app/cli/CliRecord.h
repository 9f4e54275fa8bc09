#pragma once

#include <ostream>

#include "app/cli/CliOptions.h"
#include "model/Mission.h"
#include "platform/GameMemory.h"

namespace qv::cli {

// Records a route from the running game at 20 samples a second until the game ends, SIGINT
// or SIGTERM arrives or `options.seconds` have passed, printing each row as it is laid; then
// appends the route to `mission` as one step. Throws Error when the game is not running.
void recordRoute(const Options& options, Mission& mission, const GameOpener& game,
                 std::ostream& out);

}  // namespace qv::cli
