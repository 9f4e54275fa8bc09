#include <gtest/gtest.h>

#include "model/NumberText.h"

namespace qv {
namespace {

TEST(NumberText, TheTidyKeepsEveryTextThatConvertsExactlyAsTyped) {
    for (const char* text : {"1.5", "-1141", "0.00", "+2.", ".5", "1e3", " 12.25 ", "-0.5E-2"}) {
        EXPECT_TRUE(convertsToFloat(text)) << text;
        EXPECT_EQ(tidyCoordinate(text), text);
    }
}

TEST(NumberText, TheTidyReplacesEveryOtherTextByZero) {
    for (const char* text : {"", "1,5", "abc", "-", ".", "1.2.3", "1e", "12a", "0x10", "\t1"}) {
        EXPECT_FALSE(convertsToFloat(text)) << text;
        EXPECT_EQ(tidyCoordinate(text), "0.00") << text;
    }
}

// One reading for the script's check, the input check and the route map: a value exactly where
// the text converts, and none beyond a double.
TEST(NumberText, AValueIsReadWhereTheTextConvertsAndNowhereElse) {
    for (const auto& [text, value] : {std::pair{" 12.25 ", 12.25},
                                      {"+2.", 2.0},
                                      {"-0.5E-2", -0.005},
                                      {".5", 0.5},
                                      {"-1141", -1141.0}}) {
        ASSERT_TRUE(numberValue(text)) << text;
        EXPECT_DOUBLE_EQ(*numberValue(text), value) << text;
    }
    for (const char* text : {"-4000abc", "1,5", "\t1", "0x10", "inf", "nan", "1e999", "", " "}) {
        EXPECT_FALSE(numberValue(text)) << text;
    }
}

TEST(NumberText, WholeNumbersAreASignAndDigitsOnly) {
    for (const char* text : {"0", "-1141", "+7", "0012"}) {
        EXPECT_TRUE(isWholeNumber(text)) << text;
    }
    for (const char* text : {"", "-", "1.0", "1,0", " 1", "1 ", "1e3", "0.00"}) {
        EXPECT_FALSE(isWholeNumber(text)) << text;
    }
}

}  // namespace
}  // namespace qv
