#include <gtest/gtest.h>

#include <string>

#include "LanguageScope.h"
#include "model/Mission.h"
#include "model/TreeTexts.h"

namespace qv {
namespace {

// Fills a race whose trees hold every kind of node: a car with tuning components, a checkpoint of
// each drive type caption the dialogs write and one without, an object and an event.
void fillEveryKindOfNode(Mission& mission) {
    mission.appendCar({"ELEGY", "1.5", "-2.0", "3.0", "90.0", {"1010", "NITRO"}});
    mission.appendCar({"SULTAN", "1.5", "-2.0", "3.0", "90.0", {}});
    for (const char* caption : {"Гоночный ", "Гоночный", "По обычным транспортным путям",
                                "По обычным путям", "Напрямик", ""}) {
        mission.appendCheckpoint({"10.0", "20.0", "30.0", 45, "3"}, caption);
    }
    mission.appendObject({"BARREL4", "1.0", "2.0", "3.0", "0.0"});
    mission.appendEvent({"and", {"$a == 1", "$b == 2"}, {"wait 0"}});
}

template <typename Visit>
void forEveryNode(const Mission& mission, Visit visit) {
    for (const TextTree* tree : {&mission.carTree(), &mission.checkpointTree(),
                                 &mission.objectTree(), &mission.eventsTree()}) {
        tree->forEachPreOrder([&](const TreeNode& node, int /*level*/) { visit(node.text()); });
    }
}

TEST(TreeTexts, TreesShowTheirOwnTextsInEnglishWithoutChangingThem) {
    Mission mission;
    fillEveryKindOfNode(mission);
    forEveryNode(mission,
                 [](const std::string& text) { EXPECT_EQ(tree_text::shownText(text), text); });

    const test::LanguageScope english(Language::English);
    int nodes = 0;
    forEveryNode(mission, [&](const std::string& text) {
        ++nodes;
        const std::string shown = tree_text::shownText(text);
        EXPECT_FALSE(test::hasCyrillic(shown) || test::hasPlaceholder(shown)) << text;
    });
    EXPECT_GT(nodes, 40);
    // A made tree keeps the texts its files hold.
    EXPECT_EQ(Mission().carTree().root()->text(), tree_text::carsRoot(0));
    EXPECT_EQ(tree_text::carsRoot(0), "Машины (0 всего)");
}

TEST(TreeTexts, OnlyTheTreesOwnFormsAreShownTranslated) {
    const test::LanguageScope english(Language::English);
    // The parts of their own stay as they are, numbers where the form has a number.
    EXPECT_EQ(tree_text::shownText("Модель: #Машина"),
              tree_text::shownText("Модель: #") + "Машина");
    for (const char* text : {"Машина x", "Машина ", "Машина 3 ", "Тип езды", "wait 0", "",
                             "Скорость: 4.5", "Тюнинг-компоненты ()"}) {
        EXPECT_EQ(tree_text::shownText(text), text);
    }
    EXPECT_NE(tree_text::shownText("Машина -1"), "Машина -1");
}

}  // namespace
}  // namespace qv
