#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/GameMemory.h"

namespace qv {

// The memory of a process on Linux, for the game running under Wine or Proton. Reads go
// through process_vm_readv, then /proc/PID/mem (opened at the first need and kept open). The
// process is known by its id and its start time, so that a later process given the same id
// is not taken for it.
class PosixGameMemory final : public GameMemory {
  public:
    // nullptr when the process is not there.
    static std::unique_ptr<PosixGameMemory> open(pid_t pid);
    PosixGameMemory(const PosixGameMemory&) = delete;
    PosixGameMemory& operator=(const PosixGameMemory&) = delete;
    ~PosixGameMemory() override;

    bool read(std::uint32_t address, void* into, std::size_t size) override;
    bool stillRunning() override;

  private:
    PosixGameMemory(pid_t pid, std::uint64_t started) : pid_(pid), started_(started) {}

    pid_t pid_;
    std::uint64_t started_;
    int memoryFile_ = -1;
    bool memoryFileTried_ = false;
};

// The game as the process of `executableName` (see PosixGameProcess).
class PosixGameOpener final : public GameOpener {
  public:
    explicit PosixGameOpener(std::string executableName = "gta_sa.exe");

    std::unique_ptr<GameMemory> open() const override;

  private:
    std::string executableName_;
};

}  // namespace qv
