#include "FakeLauncher.h"

#include <algorithm>

namespace qv::test {
namespace {

class FakeProcess final : public StartedProcess {
  public:
    FakeProcess(ProcessIdentity identity, int runsFor, bool neverEnds, int& terminations)
        : identity_(identity),
          remaining_(runsFor),
          neverEnds_(neverEnds),
          terminations_(terminations) {}

    bool hasExited() override {
        if (neverEnds_) {
            return false;
        }
        if (remaining_ > 0) {
            --remaining_;
            return false;
        }
        return true;
    }

    void terminate() override {
        ++terminations_;
        neverEnds_ = false;
        remaining_ = 0;
    }

    ProcessIdentity identity() const override { return identity_; }

  private:
    ProcessIdentity identity_;
    int remaining_;
    bool neverEnds_;
    int& terminations_;
};

}  // namespace

StartOutcome FakeLauncher::start(const ProgramStart& program) {
    starts.push_back(program);
    const auto found = programs.find(program.program);
    if (found == programs.end()) {
        return {nullptr, "The system cannot find the file specified"};
    }
    const FakeProgram& fake = found->second;
    if (!fake.startFailure.empty()) {
        return {nullptr, fake.startFailure};
    }
    if (fake.onStart) {
        fake.onStart(program);
    }
    // Ids are reused as a system reuses them; the start time tells the processes apart.
    const ProcessIdentity identity{40 + identities.size() % 2, 1000 + identities.size()};
    identities.push_back(identity);
    return {std::make_unique<FakeProcess>(identity, fake.runsFor, fake.neverEnds, terminations),
            {}};
}

bool FakeLauncher::isRunning(const ProcessIdentity& identity) const {
    return identity && std::ranges::find(running, identity) != running.end();
}

bool FakeLauncher::isProgramRunning(const std::string& program) const {
    return std::ranges::find(programsRunning, program) != programsRunning.end();
}

}  // namespace qv::test
