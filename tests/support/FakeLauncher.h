#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

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
    // The identity of each process started, in order, and those that count as running for
    // isRunning() (a program that outlived the run that started it).
    std::vector<ProcessIdentity> identities;
    std::vector<ProcessIdentity> running;
    // The program files that isProgramRunning() finds a process of.
    std::vector<std::string> programsRunning;

    StartOutcome start(const ProgramStart& program) override;
    bool isRunning(const ProcessIdentity& identity) const override;
    bool isProgramRunning(const std::string& program) const override;
};

}  // namespace qv::test
