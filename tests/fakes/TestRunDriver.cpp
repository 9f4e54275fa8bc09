// The program's test run alone, as a process of its own that a test can kill at any moment:
// "qv_testrun_driver WORKING GAME COMPILER" (each folder without a trailing separator) runs one
// test run over the three folders, stepping
// it as the editor's timer does, and ends when the run is over. A run that cannot start leaves
// its reason in testrundriver.failure in the folder it was started in.
#include <chrono>
#include <exception>
#include <fstream>
#include <string>
#include <thread>

#include "gamelink/TestRun.h"
#include "platform/Paths.h"

namespace {

class SilentHost final : public qv::TestRunHost {
  public:
    void showInformation(const std::string&) override {}
    void showStatus(const std::string&) override {}
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        return 2;
    }
    SilentHost host;
    qv::TestRun run(qv::systemFileSystem(), qv::systemProcessLauncher(), qv::systemGameProcess(),
                    host);
    try {
        run.start({qv::asFolder(argv[1]), qv::asFolder(argv[2]), qv::asFolder(argv[3])},
                  {"// mission"}, "RaceMission1");
        while (run.inProgress()) {
            std::this_thread::sleep_for(run.timing().poll);
            run.step();
        }
    } catch (const std::exception& failure) {
        std::ofstream("testrundriver.failure", std::ios::binary) << failure.what();
        return 1;
    }
    return 0;
}
