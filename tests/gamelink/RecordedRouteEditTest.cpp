#include "gamelink/RecordedRouteEdit.h"

#include <gtest/gtest.h>

#include <map>

#include "ExampleMissions.h"
#include "FakeFileSystem.h"
#include "LanguageScope.h"
#include "model/ProjectFile.h"

namespace qv {
namespace {

std::map<std::string, std::string> savedFiles(const Mission& mission) {
    test::FakeFileSystem files;
    saveProject(mission, "/races/race.qvnx", files);
    return files.files;
}

RecordedRoute routeOf(int checkpoints, int cars) {
    RecordedRoute route;
    for (int i = 0; i < checkpoints; ++i) {
        route.checkpoints.push_back({100.0f + float(i), -200.5f, 10.25f});
    }
    for (int i = 0; i < cars; ++i) {
        route.cars.push_back({{float(i), 2, 3}, 90, i == 0 ? 411 : 9999});
    }
    return route;
}

TEST(RecordedRouteEditTest, TheRouteIsOneStepThatOneUndoTakesBackByteForByte) {
    Mission mission;
    test::fillVenturasCircuit(mission);
    const int checkpoints = mission.checkpointCount();
    const int cars = mission.carCount();
    const CheckpointEntry thirdBefore = mission.checkpoint(3);
    mission.markSaved();
    const auto before = savedFiles(mission);
    CheckpointEntry pattern;
    pattern.Speed = 42;
    pattern.Type = DriveType::Normal;

    const std::string name =
        addRecordedRoute(mission, routeOf(3, 2), 3, pattern, "По обычным транспортным путям");
    EXPECT_EQ(name, "запись маршрута: 3 чекпоинта, 2 машины");
    EXPECT_EQ(mission.undoName(), name);
    ASSERT_EQ(mission.checkpointCount(), checkpoints + 3);
    EXPECT_EQ(mission.checkpoint(3), (CheckpointEntry{"100.00", "-200.50", "10.25", 42, "1"}));
    EXPECT_EQ(mission.checkpoint(5).X, "102.00");
    EXPECT_EQ(mission.checkpoint(6), thirdBefore);
    ASSERT_EQ(mission.carCount(), cars + 2);
    EXPECT_EQ(mission.car(cars + 1).Model, "INFERNUS");
    EXPECT_EQ(mission.car(cars + 1).Angle, "90.00");
    EXPECT_EQ(mission.car(cars + 2).Model, "9999");
    const auto after = savedFiles(mission);

    mission.undo();
    EXPECT_EQ(savedFiles(mission), before);
    EXPECT_FALSE(mission.modified());
    mission.redo();
    EXPECT_EQ(savedFiles(mission), after);
}

TEST(RecordedRouteEditTest, TheStepNameCountsInEachLanguage) {
    EXPECT_EQ(recordedRouteStepName(1, 1), "запись маршрута: 1 чекпоинт, 1 машина");
    EXPECT_EQ(recordedRouteStepName(24, 2), "запись маршрута: 24 чекпоинта, 2 машины");
    EXPECT_EQ(recordedRouteStepName(11, 0), "запись маршрута: 11 чекпоинтов, 0 машин");
    EXPECT_EQ(recordedRouteStepName(100, 21), "запись маршрута: 100 чекпоинтов, 21 машина");
    EXPECT_EQ(recordedRouteStepName(5, 12), "запись маршрута: 5 чекпоинтов, 12 машин");

    const test::LanguageScope english(Language::English);
    EXPECT_EQ(recordedRouteStepName(1, 1), "route recording: 1 checkpoint, 1 car");
    EXPECT_EQ(recordedRouteStepName(21, 2), "route recording: 21 checkpoints, 2 cars");
    EXPECT_EQ(recordedRouteStepName(0, 11), "route recording: 0 checkpoints, 11 cars");
}

TEST(RecordedRouteEditTest, LaysNoRowBeyondTheLimitsAndNothingForAnEmptyRoute) {
    Mission mission;
    for (int i = 0; i < Mission::MaxRows - 1; ++i) {
        mission.appendCheckpoint(addDialogCheckpoint(), addDialogDriveTypeCaption());
    }
    const int steps = mission.historySize();
    addRecordedRoute(mission, {}, 1, addDialogCheckpoint(), addDialogDriveTypeCaption());
    EXPECT_EQ(mission.historySize(), steps);

    EXPECT_EQ(addRecordedRoute(mission, routeOf(3, 1), Mission::MaxRows, addDialogCheckpoint(),
                               addDialogDriveTypeCaption()),
              "запись маршрута: 1 чекпоинт, 1 машина");
    EXPECT_EQ(mission.checkpointCount(), Mission::MaxRows);
    EXPECT_EQ(mission.checkpoint(Mission::MaxRows).X, "100.00");
    mission.undo();
    EXPECT_EQ(mission.checkpointCount(), Mission::MaxRows - 1);
    EXPECT_EQ(mission.carCount(), 0);
}

}  // namespace
}  // namespace qv
