#include <gtest/gtest.h>

#include "model/Error.h"
#include "model/TreeTextFile.h"

namespace qv {
namespace {

// The tree as "level:text" lines, one per node in pre-order.
std::string dump(std::string_view fileText) {
    TextTree tree;
    tree.reset(readTreeText(fileText, "r.cars"));
    std::string out;
    tree.forEachPreOrder([&out](const TreeNode& node, int level) {
        out += std::to_string(level) + ":" + node.text() + "|";
    });
    return out;
}

std::string levelError(std::string_view fileText) {
    try {
        readTreeText(fileText, "r.cars");
    } catch (const Error& error) {
        return error.message();
    }
    return "(no error)";
}

TEST(TreeTextRead, LevelsFromLeadingTabsAndBlanks) {
    EXPECT_EQ(dump("root\r\n\ta\r\n\t\ta1\r\n\t\ta2\r\n\tb\r\n\t\tb1\r\n\t\t\tb11\r\n\tc"),
              "0:root|1:a|2:a1|2:a2|1:b|2:b1|3:b11|1:c|");
    EXPECT_EQ(dump("root\n one blank\r\t two deep, trailing  \r\n"),
              "0:root|1:one blank|2:two deep, trailing  |");
    // The first line is the root whatever its indentation.
    EXPECT_EQ(dump("\t\troot\r\n\tchild\r\n"), "0:root|1:child|");
}

TEST(TreeTextRead, SeveralTopLevelNodesAndEmptyLines) {
    EXPECT_EQ(dump("one\r\n\tx\r\n\t\ty\r\ntwo\r\n\r\n\tz\r\n"), "0:one|1:x|2:y|0:two|0:|1:z|");
    EXPECT_EQ(dump(""), "");
    EXPECT_EQ(dump("\r\n"), "0:|");
}

TEST(TreeTextRead, AJumpOfMoreThanOneLevelNamesTheLevelTheLineAndTheFile) {
    EXPECT_EQ(levelError("Чекпоинты (1 всего)\r\n\t\t\tX: 1\r\n"),
              "Неверный уровень (3) в строке 2 файла \"r.cars\": «X: 1»; допускается от 0 до 1");
    // Lines are counted whatever ends them, blanks count as levels, and an empty line is a line.
    EXPECT_EQ(levelError("root\n\tnode\r\r\n\t\t\t  deep\r\n"),
              "Неверный уровень (5) в строке 4 файла \"r.cars\": «deep»; допускается от 0 до 1");
    EXPECT_TRUE(levelError("root\r\n\t\t\t\r\n").starts_with("Неверный уровень (3) в строке 2 "));
}

TEST(TreeTextRead, AFileOfTheOldFormatReadsAsBefore) {
    // An event line typed with a leading blank was written unescaped; it is read one level
    // deeper, as it always was.
    EXPECT_EQ(dump("События\r\n\tСобытие 1\r\n\t\tif \r\n\t\t\t$a == 1\r\n\t\t\t $b == 2\r\n"),
              "0:События|1:Событие 1|2:if |3:$a == 1|4:$b == 2|");
}

TEST(TreeTextWrite, TabsPerLevelAndCrLf) {
    TextTree tree("Объекты");
    TreeNode& object = tree.append(tree.root(), "Объект 1");
    tree.append(&object, "Модель: #1238");
    tree.append(nullptr, "second top level");
    EXPECT_EQ(treeText(tree), "Объекты\r\n\tОбъект 1\r\n\t\tМодель: #1238\r\nsecond top level\r\n");
    EXPECT_EQ(treeText(TextTree()), "");
}

TEST(TreeTextWrite, EveryNodeTextSurvivesWritingAndReading) {
    TextTree tree("  root with blanks");
    TreeNode& row = tree.append(tree.root(), "Событие 1");
    TreeNode& group = tree.append(&row, "if ");
    for (const char* text : {"  indented", "\tafter a tab",
                             "\x1B"
                             "starts with escape",
                             "", "trailing  ", " ", "\x1B", "plain"}) {
        tree.append(&group, text);
    }
    const std::string text = treeText(tree);
    // Only the texts that would be misread are escaped.
    EXPECT_NE(text.find("\t\t\t\x1B  indented\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t\t\t\x1B\x1Bstarts with escape\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t\t\tplain\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t\t\ttrailing  \r\n"), std::string::npos);

    TextTree back;
    back.reset(readTreeText(text, "r.cars"));
    EXPECT_EQ(treeText(back), text);
    const TreeNode* lines = back.root()->child(0)->child(0);
    ASSERT_EQ(lines->childCount(), 8);
    EXPECT_EQ(back.root()->text(), "  root with blanks");
    EXPECT_EQ(lines->child(0)->text(), "  indented");
    EXPECT_EQ(lines->child(1)->text(), "\tafter a tab");
    EXPECT_EQ(lines->child(2)->text(),
              "\x1B"
              "starts with escape");
    EXPECT_EQ(lines->child(3)->text(), "");
    EXPECT_EQ(lines->child(6)->text(), "\x1B");
}

TEST(TreeTextWrite, ALineBreakInsideATextIsRefused) {
    TextTree tree("root");
    tree.append(tree.root(), "two\nlines");
    EXPECT_THROW(treeText(tree), Error);
}

}  // namespace
}  // namespace qv
