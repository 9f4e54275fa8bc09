#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/EventPump.h"
#include "platform/ProcessLauncher.h"

namespace qv::test {

// A simulated outside program: what it does when started, and how long it runs, counted in
// the checks of its end (hasExited) that say "still running".
struct FakeProgram {
    std::function<void(const ProgramStart&)> onStart;
    int runsFor = 0;
    bool neverEnds = false;
    std::string startFailure;  // not empty: the program cannot be started
};

// Starts the programs registered by path, and records every start.
class FakeLauncher final : public ProcessLauncher {
  public:
    std::map<std::string, FakeProgram> programs;
    std::vector<ProgramStart> starts;
    int terminations = 0;

    StartOutcome start(const ProgramStart& program) override;
};

// A pump that takes no time; `onPump`, when set, is told the number of each pump. From the pump
// numbered `closingAt` on (0: never), the program is closing.
class CountingPump final : public EventPump {
  public:
    int pumps = 0;
    int closingAt = 0;
    std::function<void(int)> onPump;

    bool pumpFor(std::chrono::milliseconds interval) override;
};

}  // namespace qv::test
