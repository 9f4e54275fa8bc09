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

}  // namespace qv::test
