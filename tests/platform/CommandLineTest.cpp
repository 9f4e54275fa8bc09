#include "platform/CommandLine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(CommandLine, CompilerParametersGiveSwitchAndTwoPaths) {
    EXPECT_THAT(
        splitCommandLine(R"(\compile "C:\Work\TempScript" "C:\Games\SA\data\script\main.scm")"),
        ElementsAre(R"(\compile)", R"(C:\Work\TempScript)", R"(C:\Games\SA\data\script\main.scm)"));
}

TEST(CommandLine, BlanksSeparateOutsideQuotesOnly) {
    EXPECT_THAT(splitCommandLine(""), IsEmpty());
    EXPECT_THAT(splitCommandLine(" \t "), IsEmpty());
    EXPECT_THAT(splitCommandLine("  a\tb  \"c d\"e \"\""), ElementsAre("a", "b", "c de", ""));
    EXPECT_THAT(splitCommandLine("\"/home/u/My Games/SA\""), ElementsAre("/home/u/My Games/SA"));
}

TEST(CommandLine, BackslashesBeforeAQuoteAreHalved) {
    EXPECT_THAT(splitCommandLine(R"("C:\Games\" next)"), ElementsAre("C:\\Games\" next"));
    EXPECT_THAT(splitCommandLine(R"("C:\Games\\" next)"), ElementsAre("C:\\Games\\", "next"));
    EXPECT_THAT(splitCommandLine(R"(a\\\"b)"), ElementsAre("a\\\"b"));
    EXPECT_THAT(splitCommandLine(R"(a\\b\)"), ElementsAre("a\\\\b\\"));
}

}  // namespace
}  // namespace qv
