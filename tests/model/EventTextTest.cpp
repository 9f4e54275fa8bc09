#include <gtest/gtest.h>

#include "model/Error.h"
#include "model/EventText.h"

namespace qv {
namespace {

std::string refusal(std::string_view conditions, std::string_view actions) {
    try {
        checkEventText(conditions, actions);
    } catch (const Error& error) {
        return error.message();
    }
    return "";
}

TEST(EventText, LinesCountBlankOnesButNotAnEmptyLastLine) {
    EXPECT_EQ(textLines(""), std::vector<std::string>{});
    EXPECT_EQ(textLines("A\n\nB"), (std::vector<std::string>{"A", "", "B"}));
    EXPECT_EQ(textLines("A\r\nB\r\n"), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(textLines("\n"), std::vector<std::string>{""});
    EXPECT_EQ(textLines("A\rB"), (std::vector<std::string>{"A", "B"}));
}

TEST(EventText, TheTestsRunInOrderWithTheirMessages) {
    EXPECT_EQ(refusal("1\n2\n3\n4\n5\n\n7", ""), "Допускается не более 6 подусловий");
    EXPECT_EQ(refusal("1\n2\n3\n4\n5\n6\n", "a"), "");
    EXPECT_EQ(refusal("", "a"), "Введите условия!");
    EXPECT_EQ(refusal("c", ""), "Введите действия!");
    EXPECT_EQ(refusal("\n\n", "a"), "");
}

TEST(EventText, AnEventKeepsOnlyTheNonEmptyLines) {
    EXPECT_EQ(eventFromText("and", "A\n\nB\n", "x\r\n\r\ny"),
              (EventEntry{"and", {"A", "B"}, {"x", "y"}}));
    EXPECT_EQ(eventFromText("", "\n\n", "x"), (EventEntry{"", {}, {"x"}}));
    EXPECT_EQ(linesText({"A", "  B"}), "A\n  B");
}

}  // namespace
}  // namespace qv
