#pragma once

#include <ostream>

#include "app/cli/CliOptions.h"
#include "platform/FileSystem.h"
#include "platform/GameMemory.h"

namespace qv::cli {

// Runs the command of `options`, printing to `out`; `record` reads `game`. Throws Error for
// the user's message.
void runCommand(const Options& options, FileSystem& files, std::ostream& out,
                const GameOpener& game = systemGameOpener());

}  // namespace qv::cli
