#include <gtest/gtest.h>

#include "TreeDump.h"
#include "model/Error.h"
#include "model/Mission.h"

namespace qv {
namespace {

using test::dump;

CarEntry car(std::string model, std::vector<std::string> components = {}) {
    return {std::move(model), "1.5", "-2", "3.25", "90.0", std::move(components)};
}

class RecordingObserver : public MissionObserver {
  public:
    void missionChanged(MissionPart part) override { parts.push_back(part); }
    std::vector<MissionPart> parts;
};

TEST(Mission, StartsWithTheFourBareRootsAndDefaults) {
    Mission mission;
    EXPECT_EQ(dump(mission.carTree()), "Машины (0 всего)\n");
    EXPECT_EQ(dump(mission.checkpointTree()), "Чекпоинты (0 всего)\n");
    EXPECT_EQ(dump(mission.objectTree()), "Объекты\n");
    EXPECT_EQ(dump(mission.eventsTree()), "События\n");
    const MissionParameters& p = mission.parameters();
    EXPECT_EQ(p.AStartX, "0.00");
    EXPECT_EQ(p.AStartXvar, "RaceMis1StartX");
    EXPECT_EQ(p.AMissionName, "RACEMS1");
    EXPECT_EQ(p.AMissionPrefix, "RaceMission1");
    EXPECT_TRUE(p.TrafficOn);
    EXPECT_FALSE(p.TrafficOff);
    EXPECT_EQ(p.PlayerCarNumber, 1);
    EXPECT_EQ(p.ALapsCount, 1);
}

TEST(Mission, CarRowsAndTheirNodesStayInStep) {
    Mission mission;
    mission.appendCar(car("ELEGY"));
    mission.appendCar(car("INFERNUS", {"#NTO_B_L", "#NTO_B_S", "#WHEEL_SR6"}));
    EXPECT_EQ(dump(mission.carTree()),
              "Машины (2 всего)\n"
              "\tМашина 1\n\t\tМодель: #ELEGY\n\t\tКоординаты старта\n"
              "\t\t\tX: 1.5\n\t\t\tY: -2\n\t\t\tZ: 3.25\n\t\t\tУгол: 90.0\n"
              "\tМашина 2\n\t\tМодель: #INFERNUS\n\t\tКоординаты старта\n"
              "\t\t\tX: 1.5\n\t\t\tY: -2\n\t\t\tZ: 3.25\n\t\t\tУгол: 90.0\n"
              "\t\tТюнинг-компоненты (3)\n"
              "\t\t\t1: #NTO_B_L\n\t\t\t2: #NTO_B_S\n\t\t\t3: #WHEEL_SR6\n");
    EXPECT_EQ(mission.componentTotal(), 3);
    EXPECT_EQ(mission.car(2).Model, "INFERNUS");
}

TEST(Mission, AnyRowCanBeAppendedAgainAsACopyOfItself) {
    Mission mission;
    mission.appendCar(car("ELEGY", {"#NTO_B_L"}));
    mission.appendCheckpoint({"1.0", "2.0", "3.0", 40, "3"}, "Гоночный ");
    mission.appendObject({"BARREL4", "1.0", "2.0", "3.0", "0.0"});
    // Each table grows past its capacity here, so that the row passed in moves on the way.
    for (int i = 0; i < 20; ++i) {
        mission.appendCar(mission.car(mission.carCount()));
        mission.appendCheckpoint(mission.checkpoint(mission.checkpointCount()), "Гоночный ");
        mission.appendObject(mission.object(mission.objectCount()));
    }
    EXPECT_EQ(mission.car(21), mission.car(1));
    EXPECT_EQ(mission.checkpoint(21), mission.checkpoint(1));
    EXPECT_EQ(mission.object(21), mission.object(1));
    const std::string trees =
        dump(mission.carTree()) + dump(mission.checkpointTree()) + dump(mission.objectTree());
    EXPECT_NE(trees.find("\tМашина 21\n\t\tМодель: #ELEGY\n"), std::string::npos);
    EXPECT_NE(trees.find("\t\t1: #NTO_B_L\n\tМашина 21"), std::string::npos);
    EXPECT_NE(trees.find("\tЧекпоинт 21\n\t\tСкорость: 40.0\n"), std::string::npos);
    EXPECT_NE(trees.find("\tОбъект 21\n\t\tМодель: #BARREL4\n"), std::string::npos);
}

TEST(Mission, RemovingTheLastCarRenumbersNothingAndAFollowingAddReusesTheNumber) {
    Mission mission;
    for (const char* model : {"A", "B", "C"}) {
        mission.appendCar(car(model));
    }
    mission.removeRow(MissionPart::Cars, mission.carCount());
    EXPECT_EQ(mission.carCount(), 2);
    EXPECT_EQ(mission.carTree().root()->text(), "Машины (2 всего)");
    EXPECT_EQ(mission.carTree().root()->childCount(), 2);
    EXPECT_EQ(mission.appendCar(car("D")), 3);
    EXPECT_EQ(mission.carTree().root()->child(2)->text(), "Машина 3");
    EXPECT_EQ(mission.carTree().root()->text(), "Машины (3 всего)");
}

TEST(Mission, RemovingFromAnEmptyTableChangesAndReportsNothing) {
    Mission mission;
    RecordingObserver observer;
    mission.addObserver(&observer);
    for (MissionPart table :
         {MissionPart::Cars, MissionPart::Checkpoints, MissionPart::Objects, MissionPart::Events}) {
        EXPECT_THROW(mission.removeRow(table, 1), Error);
    }
    EXPECT_TRUE(observer.parts.empty());
    EXPECT_FALSE(mission.canUndo());
    EXPECT_EQ(dump(mission.carTree()), "Машины (0 всего)\n");
    mission.removeObserver(&observer);
}

TEST(Mission, ChangingACarRewritesItsNodesAndRebuildsTheComponentsNode) {
    Mission mission;
    mission.appendCar(car("A"));
    mission.appendCar(car("B", {"#X", "#Y"}));
    mission.appendCar(car("C"));
    const std::string before1 = mission.carTree().root()->child(0)->text();

    mission.changeCar(2, {"SULTAN", "10.0", "20.0", "30.0", "45.5", {}});
    const TreeNode* node = mission.carTree().root()->child(1);
    EXPECT_EQ(node->text(), "Машина 2");
    ASSERT_EQ(node->childCount(), 2);
    EXPECT_EQ(node->child(0)->text(), "Модель: #SULTAN");
    EXPECT_EQ(node->child(1)->child(3)->text(), "Угол: 45.5");
    EXPECT_EQ(mission.componentTotal(), 0);

    mission.changeCar(2, {"SULTAN", "10.0", "20.0", "30.0", "45.5", {"#Z"}});
    ASSERT_EQ(node->childCount(), 3);
    EXPECT_EQ(node->child(2)->text(), "Тюнинг-компоненты (1)");
    EXPECT_EQ(node->child(2)->child(0)->text(), "1: #Z");
    EXPECT_EQ(mission.carTree().root()->child(0)->text(), before1);
    EXPECT_EQ(mission.carTree().root()->text(), "Машины (3 всего)");
}

TEST(Mission, RefusesAHundredAndFirstRowAndAnEleventhComponentWithoutChangingAnything) {
    Mission mission;
    for (int i = 0; i < Mission::MaxRows; ++i) {
        mission.appendCar(car("A"));
        mission.appendCheckpoint({}, "Гоночный ");
        mission.appendObject({"1238"});
    }
    const std::string cars = dump(mission.carTree());
    EXPECT_THROW(mission.appendCar(car("A")), Error);
    EXPECT_THROW(mission.appendCheckpoint({}, "Напрямик"), Error);
    EXPECT_THROW(mission.appendObject({"1238"}), Error);
    EXPECT_THROW(mission.insertCar(1, car("A")), Error);
    EXPECT_THROW(mission.duplicateRow(MissionPart::Checkpoints, 1), Error);
    try {
        mission.duplicateRow(MissionPart::Cars, 5);
        ADD_FAILURE() << "a 101st car by duplicating";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), "Нельзя добавить больше 100 машин");
    }
    EXPECT_EQ(mission.carCount(), 100);
    EXPECT_EQ(mission.checkpointCount(), 100);
    EXPECT_EQ(mission.objectCount(), 100);
    EXPECT_EQ(dump(mission.carTree()), cars);

    Mission other;
    std::vector<std::string> eleven(11, "#NTO_B_L");
    EXPECT_THROW(other.appendCar(car("A", eleven)), Error);
    EXPECT_EQ(other.carCount(), 0);
    EXPECT_EQ(dump(other.carTree()), "Машины (0 всего)\n");
    eleven.pop_back();
    EXPECT_EQ(other.appendCar(car("A", eleven)), 1);
    EXPECT_THROW(other.changeCar(1, car("A", std::vector<std::string>(11, "#X"))), Error);
    EXPECT_EQ(other.car(1).Components.size(), 10u);
}

TEST(Mission, ABatchIsOneStepAndAnErrorInsideItUndoesAllItDid) {
    Mission mission;
    {
        Mission::Batch batch(mission, "пакет");
        mission.appendCar(car("A"));
        Mission::Batch inner(mission, "внутри");
        mission.appendCheckpoint({}, "Гоночный ");
        mission.insertCar(1, car("B"));
    }
    EXPECT_EQ(mission.historySize(), 1);
    EXPECT_EQ(mission.undoName(), "пакет");
    mission.undo();
    EXPECT_EQ(mission.carCount() + mission.checkpointCount(), 0);
    EXPECT_EQ(dump(mission.carTree()), "Машины (0 всего)\n");
    mission.redo();
    EXPECT_EQ(mission.car(1).Model, "B");

    for (int i = 0; i < Mission::MaxRows - 3; ++i) {
        mission.appendObject({"1238"});
    }
    const std::string trees = dump(mission.carTree()) + dump(mission.objectTree());
    const int steps = mission.historySize();
    EXPECT_THROW(
        {
            Mission::Batch batch(mission, "слишком много");
            mission.appendCar(car("C"));
            for (int i = 0; i < 4; ++i) {
                mission.appendObject({"1238"});
            }
        },
        Error);
    EXPECT_EQ(dump(mission.carTree()) + dump(mission.objectTree()), trees);
    EXPECT_EQ(mission.historySize(), steps);
    EXPECT_EQ(mission.carCount(), 2);
}

TEST(Mission, PlacingARowChangesOnlyItsPlaceInOneNamedStep) {
    Mission mission;
    mission.appendCar(car("INFERNUS", {"#NTO_B_L"}));
    mission.appendCheckpoint({"1.0", "2.0", "3.0", 40, "1"}, "По обычным путям");
    const std::string carsBefore = dump(mission.carTree());
    const std::string checkpointsBefore = dump(mission.checkpointTree());

    mission.placeRow(MissionPart::Checkpoints, 1, {"10.00", "20.00", "3.0", "ignored"});
    EXPECT_EQ(mission.undoName(), "перемещение чекпоинта 1");
    EXPECT_EQ(mission.checkpoint(1), (CheckpointEntry{"10.00", "20.00", "3.0", 40, "1"}));
    EXPECT_EQ(dump(mission.checkpointTree()),
              "Чекпоинты (1 всего)\n"
              "\tЧекпоинт 1\n\t\tСкорость: 40.0\n\t\tТип езды: По обычным путям\n"
              "\t\tКоординаты\n\t\t\tX: 10.00\n\t\t\tY: 20.00\n\t\t\tZ: 3.0\n");

    // Only the angle: a turn; the components stay.
    RowPlace place = mission.rowPlace(MissionPart::Cars, 1);
    place.angle = "180.00";
    mission.placeRow(MissionPart::Cars, 1, place);
    EXPECT_EQ(mission.undoName(), "поворот машины 1");
    EXPECT_EQ(mission.car(1).Components, std::vector<std::string>{"#NTO_B_L"});
    EXPECT_NE(dump(mission.carTree()).find("Угол: 180.00\n\t\tТюнинг-компоненты (1)"),
              std::string::npos);

    // Where it already is: no step.
    const int steps = mission.historySize();
    mission.placeRow(MissionPart::Cars, 1, place);
    mission.placeStart("0.00", "0.00", "0.00");
    EXPECT_EQ(mission.historySize(), steps);
    mission.placeStart("5.00", "6.00", "7.00");
    EXPECT_EQ(mission.undoName(), "перемещение старта");
    EXPECT_EQ(mission.parameters().AStartY, "6.00");

    for (int step = 0; step < 3; ++step) {
        mission.undo();
    }
    EXPECT_EQ(dump(mission.carTree()), carsBefore);
    EXPECT_EQ(dump(mission.checkpointTree()), checkpointsBefore);
    EXPECT_EQ(mission.parameters().AStartY, "0.00");
    EXPECT_THROW(mission.placeRow(MissionPart::Objects, 1, place), Error);
}

TEST(Mission, CheckpointNodesCarryTheSpeedAndTheDialogsDriveTypeCaption) {
    Mission mission;
    mission.appendCheckpoint({"1", "2", "3", 40, "3"}, "Гоночный ");
    mission.appendCheckpoint({"4", "5", "6", 1, "-1"}, "");
    EXPECT_EQ(dump(mission.checkpointTree()),
              "Чекпоинты (2 всего)\n"
              "\tЧекпоинт 1\n\t\tСкорость: 40.0\n\t\tТип езды: Гоночный \n\t\tКоординаты\n"
              "\t\t\tX: 1\n\t\t\tY: 2\n\t\t\tZ: 3\n"
              "\tЧекпоинт 2\n\t\tСкорость: 1.0\n\t\tТип езды: Обычный (VC)\n\t\tКоординаты\n"
              "\t\t\tX: 4\n\t\t\tY: 5\n\t\t\tZ: 6\n");
    mission.changeCheckpoint(1, {"7", "8", "9", 55, "1"}, "По обычным путям");
    const TreeNode* node = mission.checkpointTree().root()->child(0);
    EXPECT_EQ(node->child(0)->text(), "Скорость: 55.0");
    EXPECT_EQ(node->child(1)->text(), "Тип езды: По обычным путям");
    EXPECT_EQ(node->child(2)->child(2)->text(), "Z: 9");
    EXPECT_EQ(mission.checkpoint(1).Type, "1");
    mission.removeRow(MissionPart::Checkpoints, mission.checkpointCount());
    EXPECT_EQ(mission.checkpointTree().root()->text(), "Чекпоинты (1 всего)");
}

TEST(Mission, ObjectRootNeverChanges) {
    Mission mission;
    mission.appendObject({"1238", "1", "2", "3", "4"});
    mission.changeObject(1, {"3578", "5", "6", "7", "8"});
    EXPECT_EQ(dump(mission.objectTree()),
              "Объекты\n\tОбъект 1\n\t\tМодель: #3578\n\t\tКоординаты\n"
              "\t\t\tX: 5\n\t\t\tY: 6\n\t\t\tZ: 7\n\t\t\tУгол: 8\n");
    mission.removeRow(MissionPart::Objects, mission.objectCount());
    EXPECT_EQ(dump(mission.objectTree()), "Объекты\n");
}

TEST(Mission, EventsLiveInTheTreeAndChangingOneRebuildsItsLines) {
    Mission mission;
    mission.appendEvent({"", {"A", "", "B"}, {"act1"}});
    mission.appendEvent({"or", {"C"}, {"act2", "act3"}});
    EXPECT_EQ(dump(mission.eventsTree()),
              "События\n"
              "\tСобытие 1\n\t\tif \n\t\t\tA\n\t\t\tB\n\t\tthen\n\t\t\tact1\n"
              "\tСобытие 2\n\t\tif or\n\t\t\tC\n\t\tthen\n\t\t\tact2\n\t\t\tact3\n");
    EXPECT_EQ(mission.event(2), (EventEntry{"or", {"C"}, {"act2", "act3"}}));

    mission.changeEvent(1, {"and", {"X", "Y", "Z", "W"}, {"only"}});
    EXPECT_EQ(mission.event(1), (EventEntry{"and", {"X", "Y", "Z", "W"}, {"only"}}));
    EXPECT_EQ(mission.event(2), (EventEntry{"or", {"C"}, {"act2", "act3"}}));
    EXPECT_EQ(mission.eventCount(), 2);

    EXPECT_THROW(mission.appendEvent({"", std::vector<std::string>(7, "c"), {"a"}}), Error);
    EXPECT_EQ(mission.eventCount(), 2);
    EXPECT_EQ(mission.appendEvent({"", {"c"}, {"a"}}), 3);
}

TEST(Mission, InPlaceEditsReachOnlyConditionAndActionLines) {
    Mission mission;
    mission.appendEvent({"", {"A"}, {"B"}});
    TreeNode* event = mission.eventsTree().root()->child(0);
    TreeNode* line = event->child(0)->child(0);
    EXPECT_TRUE(mission.editEventLine(*line, "  indented"));
    EXPECT_EQ(mission.event(1).Conditions, std::vector<std::string>{"  indented"});
    EXPECT_FALSE(mission.editEventLine(*line, ""));
    EXPECT_FALSE(mission.editEventLine(*event, "Событие 9"));
    EXPECT_FALSE(mission.editEventLine(*event->child(1), "else"));
    EXPECT_FALSE(mission.editEventLine(*mission.eventsTree().root(), "X"));
    EXPECT_EQ(event->text(), "Событие 1");

    // A node of another tree in the same place (a car's start X) is no event line, nor is one
    // of another mission's events tree.
    mission.appendCar(car("A"));
    TreeNode* x = mission.carTree().root()->child(0)->child(1)->child(0);
    EXPECT_FALSE(mission.isEventLine(*x));
    EXPECT_FALSE(mission.editEventLine(*x, "X: 99"));
    EXPECT_EQ(x->text(), "X: 1.5");
    Mission other;
    other.appendEvent({"", {"A"}, {"B"}});
    EXPECT_FALSE(
        mission.editEventLine(*other.eventsTree().root()->child(0)->child(0)->child(0), "C"));
    EXPECT_EQ(other.event(1).Conditions, std::vector<std::string>{"A"});
}

TEST(Mission, RowForNodeCountsOnlyChildrenOfTheRoot) {
    Mission mission;
    mission.appendCar(car("A"));
    mission.appendCar(car("B"));
    const TextTree& tree = mission.carTree();
    EXPECT_EQ(Mission::rowForNode(tree, tree.root()), 0);
    EXPECT_EQ(Mission::rowForNode(tree, tree.root()->child(1)), 2);
    EXPECT_EQ(Mission::rowForNode(tree, tree.root()->child(1)->child(0)), 0);
    EXPECT_EQ(Mission::rowForNode(tree, nullptr), 0);
}

TEST(Mission, ObserversHearEachChange) {
    Mission mission;
    RecordingObserver observer;
    mission.addObserver(&observer);
    mission.appendCar(car("A"));
    MissionParameters p = mission.parameters();
    p.AMoneyPrize = 10;
    mission.setParameters(p);
    mission.setParameters(p);
    mission.appendEvent({"", {"c"}, {"a"}});
    EXPECT_EQ(observer.parts, (std::vector<MissionPart>{MissionPart::Cars, MissionPart::Parameters,
                                                        MissionPart::Events}));
    mission.removeObserver(&observer);
}

// Removes the next observer and adds new ones while it is told, as a window that closes a
// dialog or opens one on a change does.
class MeddlingObserver : public MissionObserver {
  public:
    MeddlingObserver(const Mission& mission, std::unique_ptr<RecordingObserver>& victim)
        : mission_(mission), victim_(victim) {}
    void missionChanged(MissionPart) override {
        if (victim_) {
            mission_.removeObserver(victim_.get());
            victim_.reset();
        }
        for (int i = 0; i < 8; ++i) {
            added.push_back(std::make_unique<RecordingObserver>());
            mission_.addObserver(added.back().get());
        }
    }
    std::vector<std::unique_ptr<RecordingObserver>> added;

  private:
    const Mission& mission_;
    std::unique_ptr<RecordingObserver>& victim_;
};

TEST(Mission, AnObserverMayAddOrRemoveObserversWhileItIsTold) {
    Mission mission;
    auto victim = std::make_unique<RecordingObserver>();
    MeddlingObserver meddler(mission, victim);
    mission.addObserver(&meddler);
    mission.addObserver(victim.get());
    mission.appendCar(car("A"));
    EXPECT_EQ(victim, nullptr);
    for (const auto& added : meddler.added) {
        EXPECT_TRUE(added->parts.empty());
        mission.removeObserver(added.get());
    }
    mission.removeObserver(&meddler);
}

}  // namespace
}  // namespace qv
