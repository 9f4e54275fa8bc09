#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace qv {

// What /proc/PID/stat says of a process: its state letter and its start time (field 22, in
// clock ticks since the boot).
struct ProcessStat {
    char state = 0;
    std::uint64_t started = 0;

    // A zombie has ended and only waits for its parent to collect it.
    bool hasEnded() const { return state == 'Z' || state == 'X'; }
};

std::optional<ProcessStat> processStat(std::uint64_t pid);

// The last component of a Linux or Windows path.
std::string_view fileNameOf(std::string_view path);

// The first living process of an executable, by process id, this program itself aside: a
// process whose command line starts with a path ending in `executableName` (compared without
// regard to case, with "/" or "\" as separators, as Wine shows a Windows program), or whose
// name is `executableName`.
std::optional<pid_t> findProcessOf(std::string_view executableName);

}  // namespace qv
