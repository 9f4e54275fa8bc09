#pragma once

#include <memory>
#include <optional>

#include "gamelink/GameSample.h"
#include "platform/GameMemory.h"

namespace qv {

// The running game, found once and kept open for reading (read rights only); notices the
// process ending or being replaced.
class GameSession {
  public:
    enum class State { Open, NotRunning, Ended };

    // Finds the running game through `opener`; state() is NotRunning when there is none.
    explicit GameSession(const GameOpener& opener);

    State state() const { return state_; }

    // One sample at `time`, read in a few block reads; std::nullopt when a read failed or gave
    // something no game holds (a failed read never makes a sample), or when the game is gone
    // (state() then says Ended, for good).
    std::optional<GameSample> read(double time);

  private:
    std::unique_ptr<GameMemory> memory_;
    State state_ = State::NotRunning;
};

}  // namespace qv
