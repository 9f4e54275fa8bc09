#include "gamelink/PositionCapture.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "FakeGame.h"
#include "gamelink/GameMemoryLayout.h"

namespace qv {
namespace {

namespace layout = game_memory;
using test::FakeGame;

class PositionCaptureTest : public testing::Test {
  protected:
    // Each field remembers the last address the game was asked for when it was written.
    struct Field {
        std::string text = "unchanged";
        std::uint32_t lastReadBefore = 0;
    };

    void capture(bool withAngle = true) {
        CoordinateFields fields{setter(x), setter(y), setter(z), {}};
        if (withAngle) {
            fields.angle = setter(angle);
        }
        getCoordinates(game, fields,
                       [this](std::string_view text) { warnings.emplace_back(text); });
    }

    std::function<void(const std::string&)> setter(Field& field) {
        return [this, &field](const std::string& text) {
            field.text = text;
            field.lastReadBefore = game.reads().empty() ? 0 : game.reads().back();
        };
    }

    void expectNoFieldChanged() const {
        for (const Field* field : {&x, &y, &z, &angle}) {
            EXPECT_EQ(field->text, "unchanged");
        }
    }

    std::string angleFor(float heading) {
        game.placePlayer(1, 2, 3, heading);
        capture();
        return angle.text;
    }

    FakeGame game;
    Field x, y, z, angle;
    std::vector<std::string> warnings;
};

TEST_F(PositionCaptureTest, WritesThePlayersPositionAndHeadingWithTwoDecimals) {
    game.placePlayer(2488.5601f, -1666.84f, 13.38f, std::numbers::pi_v<float> / 2);
    capture();
    EXPECT_EQ(x.text, "2488.56");
    EXPECT_EQ(y.text, "-1666.84");
    EXPECT_EQ(z.text, "13.38");
    EXPECT_EQ(angle.text, "90.00");
    EXPECT_TRUE(warnings.empty());
}

TEST_F(PositionCaptureTest, TurnsHeadingsIntoAnglesFrom0To360) {
    const float pi = std::numbers::pi_v<float>;
    EXPECT_EQ(angleFor(-pi / 2), "270.00");
    EXPECT_EQ(angleFor(0.0f), "0.00");
    EXPECT_EQ(angleFor(-0.0f), "0.00");
    EXPECT_EQ(angleFor(-0.00001f), "360.00");
    EXPECT_EQ(angleFor(-pi), "180.00");
    EXPECT_EQ(angleFor(pi), "180.00");
    EXPECT_EQ(angleFor(1.0f), "57.30");
}

TEST_F(PositionCaptureTest, WritesEachFieldBeforeReadingTheNextValue) {
    game.placePlayer(1, 2, 3, 0);
    capture();
    const std::uint32_t matrix = FakeGame::PlayerMatrix;
    EXPECT_EQ(x.lastReadBefore, matrix + layout::XOffset);
    EXPECT_EQ(y.lastReadBefore, matrix + layout::YOffset);
    EXPECT_EQ(z.lastReadBefore, matrix + layout::ZOffset);
    EXPECT_EQ(angle.lastReadBefore, FakeGame::PlayerObject + layout::HeadingOffset);
}

TEST_F(PositionCaptureTest, TakesThePositionFromTheFallbackAndTheHeadingFromThePlayer) {
    game.placePlayer(1, 2, 3, -std::numbers::pi_v<float> / 2);
    game.writeUInt32(FakeGame::PlayerObject + layout::MatrixOffset, 0);
    game.placeObject(layout::FallbackPointer, FakeGame::OtherObject, FakeGame::OtherMatrix,
                     -2027.77f, 1420.5f, 15.99f);
    capture();
    EXPECT_EQ(x.text, "-2027.77");
    EXPECT_EQ(y.text, "1420.50");
    EXPECT_EQ(z.text, "15.99");
    EXPECT_EQ(angle.text, "270.00");
}

TEST_F(PositionCaptureTest, LeavesTheAngleAloneWithoutAnAngleField) {
    game.placePlayer(1, 2, 3, 1);
    capture(false);
    EXPECT_EQ(z.text, "3.00");
    EXPECT_EQ(angle.text, "unchanged");
    EXPECT_EQ(game.reads().back(), FakeGame::PlayerMatrix + layout::ZOffset);
}

TEST_F(PositionCaptureTest, WarnsThatTheGameIsNotRunning) {
    game.placePlayer(1, 2, 3, 1);
    game.setRunning(false);
    capture();
    EXPECT_EQ(warnings, std::vector<std::string>{std::string(GameNotRunningWarning)});
    EXPECT_TRUE(game.reads().empty());
    expectNoFieldChanged();
}

TEST_F(PositionCaptureTest, WarnsWhenNeitherObjectHasAMatrix) {
    game.writeUInt32(layout::PlayerPointer, 0);
    game.writeUInt32(layout::FallbackPointer, 0);
    capture();
    EXPECT_EQ(warnings, std::vector<std::string>{std::string(MemorySearchWarning)});
    expectNoFieldChanged();
}

TEST_F(PositionCaptureTest, TreatsUnreadableMemoryAsNotFound) {
    // The player pointer leads to an address the game has not mapped; the fallback location
    // itself cannot be read.
    game.writeUInt32(layout::PlayerPointer, 0x12345678);
    capture();
    EXPECT_EQ(warnings, std::vector<std::string>{std::string(MemorySearchWarning)});
    expectNoFieldChanged();
}

TEST_F(PositionCaptureTest, WrapsPointerArithmeticAt32Bits) {
    // 0xFFFFFFF0 + 0x14 is 0x4 in the game's 32-bit arithmetic.
    game.writeUInt32(layout::PlayerPointer, 0xFFFFFFF0);
    game.writeUInt32(0x4, FakeGame::PlayerMatrix);
    game.writeFloat(FakeGame::PlayerMatrix + layout::XOffset, 7.5f);
    capture(false);
    EXPECT_EQ(x.text, "7.50");
    EXPECT_TRUE(warnings.empty());
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
