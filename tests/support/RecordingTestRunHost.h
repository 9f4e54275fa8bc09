#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gamelink/TestRun.h"

namespace qv::test {

// Keeps what a test run shows; `onInformation`, when set, runs while the message is "open".
class RecordingTestRunHost final : public TestRunHost {
  public:
    std::vector<std::string> informations;
    std::vector<std::string> statuses;
    std::function<void()> onInformation;

    void showInformation(const std::string& message) override {
        informations.push_back(message);
        if (onInformation) {
            onInformation();
        }
    }
    void showStatus(const std::string& text) override { statuses.push_back(text); }
};

// Drives a test run as the editor's timer does, taking no time: before each step, `onTick`,
// when set, is told the tick's number. From the tick numbered `closingAt` on (0: never), the
// program is closing, and the run is finished at once.
class TickDriver {
  public:
    int ticks = 0;
    int closingAt = 0;
    std::function<void(int)> onTick;

    void drive(TestRun& run) {
        while (run.inProgress()) {
            ++ticks;
            if (onTick) {
                onTick(ticks);
            }
            if (closingAt != 0 && ticks >= closingAt) {
                run.finishNow();
            } else {
                run.step();
            }
        }
    }
};

}  // namespace qv::test
