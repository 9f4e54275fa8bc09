// The recorder reading the fake game process through the real session code, as it reads the
// game under Wine: a scripted drive played in real time, sampled 20 times a second.
#include <gtest/gtest.h>

#include "FakeDrive.h"
#include "FakeDrivingGame.h"
#include "gamelink/GameSession.h"

namespace qv {
namespace {

TEST(RecordingFakeGameTest, RecordsTheDriveUntilTheGameEnds) {
    GameSession absent(systemGameOpener());
    ASSERT_EQ(absent.state(), GameSession::State::NotRunning) << "a game runs already";
    const test::FakeDrivingGame game(QV_FAKE_DRIVING_GAME, "circuit");
    if (!game.readable()) {
        GTEST_SKIP() << "this kernel does not let a process read another one's memory";
    }
    EXPECT_EQ(test::recordedCircuitMismatch(systemGameOpener()), "");
}

}  // namespace
}  // namespace qv
