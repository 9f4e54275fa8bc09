#include "gamelink/GameSession.h"

#include <gtest/gtest.h>

#include <cmath>

#include "FakeGame.h"
#include "gamelink/GameMemoryLayout.h"

namespace qv {
namespace {

namespace layout = game_memory::recorder;

TEST(GameSessionTest, ReadsThePlayersVehicleInAFewBlockReads) {
    test::FakeGame game;
    game.placeVehicle(2488.5f, -1666.25f, 13.5f, 90, 411, 36);
    GameSession session(game);
    ASSERT_EQ(session.state(), GameSession::State::Open);
    const int before = game.blockReads();
    const std::optional<GameSample> sample = session.read(1.25);
    ASSERT_TRUE(sample);
    EXPECT_LE(game.blockReads() - before, 5);
    EXPECT_EQ(sample->time, 1.25);
    EXPECT_TRUE(sample->inVehicle);
    EXPECT_EQ(sample->x, 2488.5f);
    EXPECT_EQ(sample->y, -1666.25f);
    EXPECT_EQ(sample->z, 13.5f);
    EXPECT_NEAR(sample->heading, 90, 1e-3);  // facing west
    EXPECT_EQ(sample->model, 411);
    EXPECT_NEAR(sample->speed, 36, 1e-3);
    EXPECT_FALSE(sample->horn);
    EXPECT_FALSE(sample->controlsOff);

    for (const float heading : {0.0f, 45.0f, 180.0f, 270.0f, 359.5f}) {
        game.placeVehicle(0, 0, 0, heading, 411, 0);
        EXPECT_NEAR(session.read(0)->heading, heading, 1e-3);
    }
}

TEST(GameSessionTest, TheHornFollowsThePadsModeAndIsIgnoredWhileControlsAreOff) {
    test::FakeGame game;
    game.placeVehicle(1, 2, 3, 0, 411, 0);
    GameSession session(game);
    for (const int mode : {0, 1, 2, 3}) {
        game.setPadMode(mode);
        game.setHorn(true);
        EXPECT_TRUE(session.read(0)->horn) << mode;
        game.setHorn(false);
        EXPECT_FALSE(session.read(0)->horn) << mode;
    }
    // Another mode's button is not the horn.
    game.setPadMode(1);
    game.writeUInt16(layout::PlayerPad + layout::HornMode0Offset, 255);
    EXPECT_FALSE(session.read(0)->horn);

    game.setHorn(true);
    game.setControlsOff(true);
    const std::optional<GameSample> off = session.read(0);
    EXPECT_TRUE(off->controlsOff);
    EXPECT_FALSE(off->horn);
}

TEST(GameSessionTest, OnFootIsASampleButAFailedReadIsNone) {
    test::FakeGame game;
    game.placeVehicle(10, 20, 30, 0, 411, 5);
    game.setOnFoot();
    GameSession session(game);
    const std::optional<GameSample> onFoot = session.read(0);
    ASSERT_TRUE(onFoot);
    EXPECT_FALSE(onFoot->inVehicle);
    EXPECT_EQ(onFoot->x, 10);

    game.placeVehicle(10, 20, 30, 0, 411, 5);
    game.writeUInt32(test::FakeGame::Vehicle + layout::EntityMatrixOffset, 0x10);
    EXPECT_FALSE(session.read(0));
    game.writeUInt32(test::FakeGame::Vehicle + layout::EntityMatrixOffset, 0);
    EXPECT_FALSE(session.read(0));
    game.placeVehicle(10, 20, 30, 0, 411, 5);
    game.writeFloat(test::FakeGame::VehicleMatrix + layout::PositionXOffset, std::nanf(""));
    EXPECT_FALSE(session.read(0));
    game.writeUInt32(layout::PlayerPed, 0);
    EXPECT_FALSE(session.read(0));
    EXPECT_EQ(session.state(), GameSession::State::Open);
}

TEST(GameSessionTest, NoticesTheGameEndingAndIsNotFooledByANewStart) {
    test::FakeGame game;
    game.setRunning(false);
    EXPECT_EQ(GameSession(game).state(), GameSession::State::NotRunning);

    game.setRunning(true);
    game.placeVehicle(1, 2, 3, 0, 411, 0);
    GameSession session(game);
    EXPECT_TRUE(session.read(0));
    game.setRunning(false);
    EXPECT_FALSE(session.read(0.05));
    EXPECT_EQ(session.state(), GameSession::State::Ended);
    game.setRunning(true);
    EXPECT_FALSE(session.read(0.1));
    EXPECT_EQ(session.state(), GameSession::State::Ended);

    // A game started again between two reads is another process.
    GameSession second(game);
    EXPECT_TRUE(second.read(0));
    game.setRunning(false);
    game.setRunning(true);
    EXPECT_FALSE(second.read(0));
    EXPECT_EQ(second.state(), GameSession::State::Ended);
}

}  // namespace
}  // namespace qv
