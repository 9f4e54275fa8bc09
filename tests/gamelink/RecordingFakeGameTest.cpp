// The recorder reading the fake game process through the real session code, as it reads the
// game under Wine: a scripted drive played in real time, sampled 20 times a second.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "FakeDrive.h"
#include "gamelink/GameSession.h"
#include "gamelink/RouteRecorder.h"

extern char** environ;

namespace qv {
namespace {

// The fake game playing `drive`, killed at the end if it still runs.
class FakeDrivingGame {
  public:
    explicit FakeDrivingGame(const char* drive) {
        char* arguments[] = {const_cast<char*>(QV_FAKE_DRIVING_GAME), const_cast<char*>(drive),
                             nullptr};
        if (::posix_spawn(&pid_, QV_FAKE_DRIVING_GAME, nullptr, nullptr, arguments, environ) != 0) {
            pid_ = -1;
        }
    }
    FakeDrivingGame(const FakeDrivingGame&) = delete;
    FakeDrivingGame& operator=(const FakeDrivingGame&) = delete;
    ~FakeDrivingGame() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    // Waits until the game's memory can be read; false when it cannot.
    bool readable() const {
        for (int i = 0; i < 200 && pid_ > 0; ++i) {
            GameSession session(systemGameOpener());
            if (session.read(0)) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

  private:
    pid_t pid_ = -1;
};

TEST(RecordingFakeGameTest, RecordsTheDriveUntilTheGameEnds) {
    GameSession absent(systemGameOpener());
    ASSERT_EQ(absent.state(), GameSession::State::NotRunning) << "a game runs already";
    const FakeDrivingGame game("circuit");
    if (!game.readable()) {
        GTEST_SKIP() << "this kernel does not let a process read another one's memory";
    }
    GameSession session(systemGameOpener());
    ASSERT_EQ(session.state(), GameSession::State::Open);
    RouteRecorder recorder({});
    const auto start = std::chrono::steady_clock::now();
    auto next = start;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(60)) {
        const double time =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (const auto sample = session.read(time)) {
            recorder.add(*sample);
        } else if (session.state() == GameSession::State::Ended) {
            break;
        }
        next += std::chrono::milliseconds(50);
        std::this_thread::sleep_until(next);
    }
    EXPECT_EQ(session.state(), GameSession::State::Ended);
    EXPECT_EQ(test::circuitRouteMismatch(recorder.finish()), "");
}

}  // namespace
}  // namespace qv
