#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace qv {

// The memory of one running game process, opened once with read rights only and kept open
// while the object lives.
class GameMemory {
  public:
    virtual ~GameMemory() = default;

    // Copies `size` bytes from `address` of the game's memory into `into`; false when any of
    // them cannot be read (what `into` then holds is unspecified).
    virtual bool read(std::uint32_t address, void* into, std::size_t size) = 0;
    // False once the process that was opened has ended, or its id has passed to another
    // process (the game was closed and started again).
    virtual bool stillRunning() = 0;
};

// Finds the running game and opens its memory for reading.
class GameOpener {
  public:
    virtual ~GameOpener() = default;

    // nullptr when the game is not running, or its process cannot be opened.
    virtual std::unique_ptr<GameMemory> open() const = 0;
};

// The game as the machine the program runs on shows it: on Windows the process of the window
// titled "GTA: San Andreas" (opened with PROCESS_VM_READ | PROCESS_QUERY_LIMITED_INFORMATION);
// elsewhere the process of gta_sa.exe, read with process_vm_readv or through /proc/PID/mem.
const GameOpener& systemGameOpener();

}  // namespace qv
