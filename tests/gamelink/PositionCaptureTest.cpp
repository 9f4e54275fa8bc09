#include "gamelink/PositionCapture.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "CapturedPosition.h"
#include "FakeGame.h"
#include "gamelink/GameMemoryLayout.h"

namespace qv {
namespace {

namespace layout = game_memory;
using test::capturePosition;
using test::FakeGame;

const std::vector<std::string> NotRunning{std::string(GameNotRunningWarning)};
const std::vector<std::string> NotFound{std::string(MemorySearchWarning)};

std::string angleFor(float heading) {
    FakeGame game;
    game.placePlayer(1, 2, 3, heading);
    return capturePosition(game).angle;
}

TEST(PositionCaptureTest, WritesThePlayersPositionAndHeadingWithTwoDecimals) {
    FakeGame game;
    game.placePlayer(2488.5601f, -1666.84f, 13.38f, std::numbers::pi_v<float> / 2);
    const auto captured = capturePosition(game);
    EXPECT_EQ(captured.fields(), "2488.56 -1666.84 13.38 90.00");
    EXPECT_TRUE(captured.warnings.empty());
}

TEST(PositionCaptureTest, TurnsHeadingsIntoAnglesFrom0To360) {
    const float pi = std::numbers::pi_v<float>;
    EXPECT_EQ(angleFor(-pi / 2), "270.00");
    EXPECT_EQ(angleFor(0.0f), "0.00");
    EXPECT_EQ(angleFor(-0.0f), "0.00");
    EXPECT_EQ(angleFor(-0.00001f), "360.00");
    EXPECT_EQ(angleFor(-pi), "180.00");
    EXPECT_EQ(angleFor(pi), "180.00");
    EXPECT_EQ(angleFor(1.0f), "57.30");
}

TEST(PositionCaptureTest, WritesEachFieldBeforeReadingTheNextValue) {
    FakeGame game;
    game.placePlayer(1, 2, 3, 0);
    // Each field notes the last address read when it is written.
    std::vector<std::uint32_t> lastReads;
    const auto field = [&](const std::string&) { lastReads.push_back(game.reads().back()); };
    getCoordinates(game, {field, field, field, field}, [](std::string_view) {});
    const std::uint32_t matrix = FakeGame::PlayerMatrix;
    EXPECT_EQ(lastReads,
              (std::vector<std::uint32_t>{matrix + layout::XOffset, matrix + layout::YOffset,
                                          matrix + layout::ZOffset,
                                          FakeGame::PlayerObject + layout::HeadingOffset}));
}

TEST(PositionCaptureTest, TakesThePositionFromTheFallbackAndTheHeadingFromThePlayer) {
    FakeGame game;
    game.placePlayer(1, 2, 3, -std::numbers::pi_v<float> / 2);
    game.writeUInt32(FakeGame::PlayerObject + layout::MatrixOffset, 0);
    game.placeObject(layout::FallbackPointer, FakeGame::OtherObject, FakeGame::OtherMatrix,
                     -2027.77f, 1420.5f, 15.99f);
    EXPECT_EQ(capturePosition(game).fields(), "-2027.77 1420.50 15.99 270.00");
}

TEST(PositionCaptureTest, LeavesTheAngleAloneWithoutAnAngleField) {
    FakeGame game;
    game.placePlayer(1, 2, 3, 1);
    EXPECT_EQ(capturePosition(game, false).fields(), "1.00 2.00 3.00 -");
    EXPECT_EQ(game.reads().back(), FakeGame::PlayerMatrix + layout::ZOffset);
}

TEST(PositionCaptureTest, WarnsThatTheGameIsNotRunningAndChangesNothing) {
    FakeGame game;
    game.placePlayer(1, 2, 3, 1);
    game.setRunning(false);
    const auto captured = capturePosition(game);
    EXPECT_EQ(captured.warnings, NotRunning);
    EXPECT_EQ(captured.fields(), "- - - -");
    EXPECT_TRUE(game.reads().empty());
}

TEST(PositionCaptureTest, WarnsWhenThePlayerIsNotInMemory) {
    FakeGame bothZero;
    bothZero.writeUInt32(layout::PlayerPointer, 0);
    bothZero.writeUInt32(layout::FallbackPointer, 0);
    // The player pointer leads to an address the game has not mapped; the fallback location
    // itself cannot be read.
    FakeGame unreadable;
    unreadable.writeUInt32(layout::PlayerPointer, 0x12345678);
    for (const FakeGame* game : {&bothZero, &unreadable}) {
        const auto captured = capturePosition(*game);
        EXPECT_EQ(captured.warnings, NotFound);
        EXPECT_EQ(captured.fields(), "- - - -");
    }
}

TEST(PositionCaptureTest, WrapsPointerArithmeticAt32Bits) {
    // 0xFFFFFFF0 + 0x14 is 0x4 in the game's 32-bit arithmetic.
    FakeGame game;
    game.writeUInt32(layout::PlayerPointer, 0xFFFFFFF0);
    game.writeUInt32(0x4, FakeGame::PlayerMatrix);
    game.writeFloat(FakeGame::PlayerMatrix + layout::XOffset, 7.5f);
    const auto captured = capturePosition(game, false);
    EXPECT_EQ(captured.x, "7.50");
    EXPECT_TRUE(captured.warnings.empty());
}

TEST(FixedTwoDecimalsTest, WritesFixedNotationWithTwoDecimalsAndAPoint) {
    EXPECT_EQ(fixedTwoDecimals(2488.5601f), "2488.56");
    EXPECT_EQ(fixedTwoDecimals(-1666.84f), "-1666.84");
    EXPECT_EQ(fixedTwoDecimals(0.0f), "0.00");
    EXPECT_EQ(fixedTwoDecimals(-0.004f), "0.00");
    EXPECT_EQ(fixedTwoDecimals(0.006f), "0.01");
    EXPECT_EQ(fixedTwoDecimals(359.99943f), "360.00");
    EXPECT_EQ(fixedTwoDecimals(12345678.0f), "12345678.00");
    EXPECT_EQ(fixedTwoDecimals(3e38f).find_first_of(",eE"), std::string::npos);
}

}  // namespace
}  // namespace qv
