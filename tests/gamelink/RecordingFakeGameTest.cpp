// The recorder reading the fake game process through the real session code, as it reads the
// game under Wine: a scripted drive played in real time, sampled 20 times a second.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "FakeDrive.h"
#include "FakeDrivingGame.h"
#include "gamelink/GameSession.h"
#include "gamelink/RouteRecorder.h"

namespace qv {
namespace {

TEST(RecordingFakeGameTest, RecordsTheDriveUntilTheGameEnds) {
    GameSession absent(systemGameOpener());
    ASSERT_EQ(absent.state(), GameSession::State::NotRunning) << "a game runs already";
    const test::FakeDrivingGame game(QV_FAKE_DRIVING_GAME, "circuit");
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
