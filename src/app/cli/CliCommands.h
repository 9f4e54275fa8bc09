#pragma once

#include <ostream>

#include "app/cli/CliOptions.h"
#include "platform/FileSystem.h"

namespace qv::cli {

// Runs the command of `options`, printing to `out`. Throws Error for the user's message.
void runCommand(const Options& options, FileSystem& files, std::ostream& out);

}  // namespace qv::cli
