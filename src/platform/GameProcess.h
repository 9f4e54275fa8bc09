#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

// The title of the game's main window, the one sign that the game runs.
inline constexpr std::string_view GameWindowTitle = "GTA: San Andreas";

// The running game as seen from outside: whether it runs, and its memory four bytes at a time.
// Every call stands alone and looks the game up anew, so the game may be started, restarted or
// closed between any two calls.
class GameProcess {
  public:
    virtual ~GameProcess() = default;

    virtual bool gameWindowExists() const = 0;
    // The 4 bytes at `address` of the game's memory, little-endian. 0 when the game is gone, its
    // process cannot be opened or the address cannot be read.
    virtual std::uint32_t readUInt32(std::uint32_t address) const = 0;
};

// The game as the machine the program runs on shows it.
const GameProcess& systemGameProcess();

}  // namespace qv
