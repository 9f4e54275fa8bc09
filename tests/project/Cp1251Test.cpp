#include <gtest/gtest.h>

#include "model/Cp1251.h"

namespace qv {
namespace {

TEST(Cp1251, EveryByteDecodesAndEncodesBackToItself) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string text = decodeCp1251(all);
    std::string bytes;
    EXPECT_EQ(encodeCp1251(text, bytes), std::nullopt);
    EXPECT_EQ(bytes, all);
    EXPECT_EQ(decodeCp1251("\xC0\xFF\xA8\xB8\xB9\x88\x96\x98"), "АяЁё№€–\u0098");
}

TEST(Cp1251, CharactersItHasNoByteForAreReported) {
    std::string bytes;
    const auto failure = encodeCp1251("ok Ü", bytes);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->offset, 3u);
    EXPECT_EQ(failure->character, U'Ü');
    const auto broken = encodeCp1251("a\xE2\x82", bytes);
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->character, std::nullopt);
    EXPECT_TRUE(encodeCp1251("\xC0\x80", bytes));      // an overlong NUL
    EXPECT_TRUE(encodeCp1251("\xED\xA0\x80", bytes));  // a surrogate
}

}  // namespace
}  // namespace qv
