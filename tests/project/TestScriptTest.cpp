#include <gtest/gtest.h>

#include "gamelink/TestScript.h"

namespace qv {
namespace {

TEST(TestScript, TheFrameThenTheMissionWithItsTriggerStartingMissionZero) {
    const std::vector<std::string> mission = {":Race", "start_mission 12", "end_thread",
                                              "start_mission 12"};
    const auto lines = testScriptLines(mission, "RaceMission1");
    ASSERT_EQ(lines.size(), 35u + mission.size());
    EXPECT_EQ(lines[0], "DEFINE OBJECTS 1");
    EXPECT_EQ(lines[3], "DEFINE MISSION 0 AT @RaceMission1_000");
    EXPECT_EQ(lines[9], " $PLAYER_CHAR: Player");
    EXPECT_EQ(lines[21], "$PLAYER_CHAR.SetClothes(\"GOATEE\", \"HEAD\", Head)");
    EXPECT_EQ(lines[33], "create_thread @RaceMission1");
    EXPECT_EQ(lines[34], "end_thread");
    EXPECT_EQ(
        std::vector<std::string>(lines.begin() + 35, lines.end()),
        (std::vector<std::string>{":Race", "start_mission 0", "end_thread", "start_mission 12"}));
}

}  // namespace
}  // namespace qv
