#include "FakeLauncher.h"

namespace qv::test {
namespace {

class FakeProcess final : public StartedProcess {
  public:
    FakeProcess(int runsFor, bool neverEnds, int& terminations)
        : remaining_(runsFor), neverEnds_(neverEnds), terminations_(terminations) {}

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

  private:
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
    return {std::make_unique<FakeProcess>(fake.runsFor, fake.neverEnds, terminations), {}};
}

bool CountingPump::pumpFor(std::chrono::milliseconds) {
    ++pumps;
    if (onPump) {
        onPump(pumps);
    }
    return closingAt == 0 || pumps < closingAt;
}

}  // namespace qv::test
