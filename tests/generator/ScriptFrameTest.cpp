#include <gtest/gtest.h>

#include "generator/ScriptGenerator.h"

namespace qv {
namespace {

TEST(ScriptFrame, StartsWithTheHeader) {
    Mission mission;
    const auto lines = generateScriptLines(mission, "07.12.2026 10:00:00");
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "//This script was created by 'Quorvane'");
    EXPECT_EQ(lines[1], "//07.12.2026 10:00:00");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], ":RaceMission1");
    EXPECT_EQ(lines.back(), "return");
}

}  // namespace
}  // namespace qv
