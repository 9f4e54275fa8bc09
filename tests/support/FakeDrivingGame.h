#pragma once

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "gamelink/GameSession.h"

extern char** environ;

namespace qv::test {

// The fake game process of tests/fakes (qv_fake_driving_game at `program`) playing `drive`,
// killed at the end if it still runs. Found by the game's name: a test using it holds the
// game_window resource lock.
class FakeDrivingGame {
  public:
    FakeDrivingGame(const char* program, const char* drive) {
        char* arguments[] = {const_cast<char*>(program), const_cast<char*>(drive), nullptr};
        if (::posix_spawn(&pid_, program, nullptr, nullptr, arguments, environ) != 0) {
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

    // Waits until the game's memory can be read through the real session; false when it
    // cannot (the kernel forbids reading another process, or the program failed).
    bool readable() const {
        for (int i = 0; i < 300 && pid_ > 0; ++i) {
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

}  // namespace qv::test
