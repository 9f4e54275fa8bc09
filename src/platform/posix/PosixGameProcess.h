#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "platform/GameProcess.h"

namespace qv {

// The game running under Wine or Proton on Linux. It has no window to look up from here, so the
// game counts as running while a process of its executable exists: a process whose command
// line starts with a path ending in `executableName` (compared without regard to case, with
// "/" or "\" as separators), or whose name is `executableName`. Reads go through
// process_vm_readv, then /proc/PID/mem; where the kernel refuses both (ptrace restrictions),
// they give 0.
class PosixGameProcess final : public GameProcess {
  public:
    explicit PosixGameProcess(std::string executableName = "gta_sa.exe");

    bool gameWindowExists() const override;
    std::uint32_t readUInt32(std::uint32_t address) const override;

    // The first process of the executable, by process id.
    std::optional<pid_t> findProcess() const;

  private:
    std::string executableName_;
};

}  // namespace qv
