#include <gtest/gtest.h>

#include "ErrorOf.h"
#include "gamedata/MarkPlacement.h"
#include "gamelink/MapEdits.h"

namespace qv {
namespace {

// Two roads: a node at (100, 100) 12 m up and one at (130, 100) 20 m up.
RoadNetwork twoNodes() {
    return RoadNetwork({{100, 100, 12}, {130, 100, 20}}, {{0, 1}});
}

TEST(MarkPlacement, StaysOnTheMapAndSnapsToTheNearestNodeWithinReach) {
    const RoadNetwork roads = twoNodes();
    MarkPlace place = placeMark(roads, {3500, -4000}, false, 50, nullptr);
    EXPECT_DOUBLE_EQ(place.at.x, 3000);
    EXPECT_DOUBLE_EQ(place.at.y, -3000);

    place = placeMark(roads, {120, 110}, true, 50, nullptr);
    EXPECT_TRUE(place.snapped);
    EXPECT_DOUBLE_EQ(place.at.x, 130);  // nearer than (100, 100)
    EXPECT_EQ(place.height, HeightSource::Road);
    EXPECT_DOUBLE_EQ(place.z, 20);

    // Beyond the reach it stays where it was put, and far from a road keeps its height.
    place = placeMark(roads, {200, 200}, true, 50, nullptr);
    EXPECT_FALSE(place.snapped);
    EXPECT_DOUBLE_EQ(place.at.x, 200);
    EXPECT_EQ(place.height, HeightSource::Own);
}

TEST(MarkPlacement, TakesARoadsHeightWithinTenMetresElseTheRoutesElseItsOwn) {
    const RoadNetwork roads = twoNodes();
    EXPECT_EQ(placeMark(roads, {100, 109.9}, false, 0, nullptr).height, HeightSource::Road);
    EXPECT_EQ(placeMark(roads, {100, 110.1}, false, 0, nullptr).height, HeightSource::Own);

    // A checkpoint a quarter of the way from its neighbour before (z 0) to the one after (z 40).
    const RouteNeighbours both{3, {0, 500, 0}, 5, {400, 500, 40}};
    MarkPlace place = placeMark(roads, {100, 500}, false, 0, &both);
    EXPECT_EQ(place.height, HeightSource::Route);
    EXPECT_DOUBLE_EQ(place.z, 10);
    EXPECT_EQ(place.between.afterRow, 5);
    // Off the line between them: by the distances to each.
    place = placeMark(roads, {200, 800}, false, 0, &both);
    EXPECT_DOUBLE_EQ(place.z, 20);
    // The first checkpoint of a sprint has one neighbour; a road near it still wins.
    const RouteNeighbours after{0, {}, 2, {400, 500, 40}};
    EXPECT_DOUBLE_EQ(placeMark(roads, {0, 0}, false, 0, &after).z, 40);
    EXPECT_EQ(placeMark(roads, {100, 100}, false, 0, &after).height, HeightSource::Road);
    const RouteNeighbours none;
    EXPECT_EQ(placeMark(roads, {0, 0}, false, 0, &none).height, HeightSource::Own);
}

TEST(MarkPlacement, AHeadingFacesThePointerAndStepsByFifteenDegrees) {
    const WorldPoint centre{100, 100};
    EXPECT_DOUBLE_EQ(*headingTowards(centre, {100, 200}, false), 0);    // north
    EXPECT_DOUBLE_EQ(*headingTowards(centre, {0, 100}, false), 90);     // west
    EXPECT_DOUBLE_EQ(*headingTowards(centre, {100, 0}, false), 180);    // south
    EXPECT_DOUBLE_EQ(*headingTowards(centre, {200, 100}, false), 270);  // east
    EXPECT_NEAR(*headingTowards(centre, {90, 200}, false), 5.71, 0.01);
    EXPECT_DOUBLE_EQ(*headingTowards(centre, {90, 200}, true), 0);
    EXPECT_DOUBLE_EQ(*headingTowards(centre, {101, 200}, true), 0);  // -0.6°: not 360
    EXPECT_DOUBLE_EQ(*headingTowards(centre, {80, 200}, true), 15);
    EXPECT_FALSE(headingTowards(centre, centre, false).has_value());
}

void addRoute(Mission& mission) {
    mission.appendCheckpoint({"0", "0", "0", 40, "1"}, "По обычным путям");
    mission.appendCheckpoint({"500", "0", "10", 40, "1"}, "По обычным путям");
    mission.appendCheckpoint({"1000", "0", "40", 40, "1"}, "По обычным путям");
    mission.appendCar({"INFERNUS", "0", "0", "7", "90", {}});
}

TEST(MapEdits, MovesWriteTheCapturesNumbersAndTheHeightsSource) {
    Mission mission;
    addRoute(mission);
    const RoadNetwork roads = twoNodes();

    // Checkpoint 2 dragged to a quarter of the way: between 1 and 3.
    MarkPlace place = moveMark(mission, roads, MissionPart::Checkpoints, 2, {{250, 0.004}});
    EXPECT_EQ(place.height, HeightSource::Route);
    EXPECT_EQ(mission.checkpoint(2), (CheckpointEntry{"250.00", "0.00", "10.00", 40, "1"}));
    EXPECT_EQ(mission.undoName(), "перемещение чекпоинта 2");

    // A car snapped onto a road takes its height; far from one it keeps its own text.
    moveMark(mission, roads, MissionPart::Cars, 1, {{95, 95}, true, 30});
    EXPECT_EQ(mission.car(1), (CarEntry{"INFERNUS", "100.00", "100.00", "12.00", "90", {}}));
    moveMark(mission, roads, MissionPart::Cars, 1, {{-1234.567, 9000}});
    EXPECT_EQ(mission.car(1), (CarEntry{"INFERNUS", "-1234.57", "3000.00", "12.00", "90", {}}));
    EXPECT_EQ(mission.undoName(), "перемещение машины 1");

    moveMark(mission, roads, MissionPart::Parameters, 0, {{101, 101}});
    EXPECT_EQ(mission.undoName(), "перемещение старта");
    EXPECT_EQ(mission.parameters().AStartZ, "12.00");

    turnMark(mission, MissionPart::Cars, 1, 337.5);
    EXPECT_EQ(mission.car(1).Angle, "337.50");
    EXPECT_EQ(mission.undoName(), "поворот машины 1");
}

TEST(MapEdits, AddsTheAddDialogsRowBetweenItsNeighboursAndHoldsTheLimit) {
    Mission mission;
    addRoute(mission);
    const RoadNetwork roads;
    // Inserted as row 3: between checkpoints 2 and 3 (the old third), halfway up.
    const auto [row, place] = addMark(mission, roads, MissionPart::Checkpoints, 3, {{750, 0}});
    EXPECT_EQ(row, 3);
    EXPECT_EQ(mission.undoName(), "вставка чекпоинта 3");
    EXPECT_EQ(place.between.beforeRow, 2);
    EXPECT_EQ(place.between.afterRow, 3);
    EXPECT_EQ(mission.checkpoint(3).Z, "25.00");
    EXPECT_EQ(mission.checkpoint(3).Speed, 1);
    EXPECT_NE(mission.checkpointTree().root()->child(2)->child(1)->text().find("Гоночный"),
              std::string::npos);

    // On a circuit the first checkpoint's neighbour before is the last.
    MissionParameters circuit = mission.parameters();
    circuit.ARaceType = Circuit;
    mission.setParameters(circuit);
    const RouteNeighbours first = routeNeighbours(mission, 1, false);
    EXPECT_EQ(first.beforeRow, 4);
    EXPECT_EQ(first.afterRow, 2);
    EXPECT_EQ(routeNeighbours(mission, 5, true).afterRow, 1);

    const auto [car, carPlace] = addMark(mission, roads, MissionPart::Cars, 99, {{1, 2}});
    EXPECT_EQ(car, 2);
    EXPECT_EQ(mission.car(2), (CarEntry{"", "1.00", "2.00", "0.00", "0.00", {}}));
    EXPECT_EQ(mission.undoName(), "добавление машины 2");

    while (mission.objectCount() < Mission::MaxRows) {
        addMark(mission, roads, MissionPart::Objects, Mission::MaxRows, {{0, 0}});
    }
    const int steps = mission.historySize();
    EXPECT_EQ(test::errorOf([&] {
                  addMark(mission, roads, MissionPart::Objects, 1, {{0, 0}});
              }),
              "Нельзя добавить больше 100 объектов");
    EXPECT_EQ(mission.historySize(), steps);
}

}  // namespace
}  // namespace qv
