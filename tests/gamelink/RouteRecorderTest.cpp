#include "gamelink/RouteRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "SyntheticDrive.h"

namespace qv {
namespace {

using test::SyntheticDrive;

double distance(const RoutePoint& a, const RoutePoint& b) {
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y, double(a.z) - b.z);
}

// Feeds the drive, checking on the way that what the recorder shows while recording is what
// it gives at the end.
RecordedRoute record(const SyntheticDrive& drive, const RecorderSettings& settings = {}) {
    RouteRecorder recorder(settings);
    std::size_t shown = 0;
    for (const GameSample& sample : drive.samples()) {
        recorder.add(sample);
        const std::vector<RoutePoint> live = recorder.checkpoints();
        EXPECT_GE(live.size(), shown) << "a checkpoint shown was taken back";
        shown = live.size();
    }
    const RecordedRoute route = recorder.finish();
    const std::vector<RoutePoint> live = recorder.checkpoints();
    EXPECT_TRUE(std::equal(live.begin(), live.end(), route.checkpoints.begin(),
                           route.checkpoints.begin() + std::ptrdiff_t(live.size())));
    EXPECT_EQ(recorder.finish().checkpoints, route.checkpoints) << "finish() changed it";
    return route;
}

void expectRulesHold(const SyntheticDrive& drive, const RecordedRoute& route,
                     const RecorderSettings& settings) {
    EXPECT_LE(test::largestDeviation(drive.samples(), route.checkpoints), settings.tolerance);
    EXPECT_LE(test::longestStretch(drive.samples(), route.checkpoints), settings.spacing);
    ASSERT_FALSE(route.checkpoints.empty());
    EXPECT_LE(distance(route.checkpoints.back(), drive.place()), 10.0) << "no finish";
}

TEST(RouteRecorderTest, AStraightKilometreGetsAboutFiveCheckpointsEndingAtTheFinish) {
    SyntheticDrive drive({0, 0, 10});
    drive.to({0, 1000, 10});
    const RecordedRoute route = record(drive);
    expectRulesHold(drive, route, {});
    EXPECT_EQ(route.checkpoints.size(), 5u);
}

TEST(RouteRecorderTest, ASquareCircuitKeepsItsCornersAndEveryRule) {
    for (const double tolerance : {3.0, 10.0, 25.0}) {
        RecorderSettings settings;
        settings.tolerance = tolerance;
        SyntheticDrive drive({100, 100, 5});
        drive.to({500, 100, 5}).to({500, 500, 5}).to({100, 500, 5}).to({100, 100, 5});
        const RecordedRoute route = record(drive, settings);
        SCOPED_TRACE(tolerance);
        expectRulesHold(drive, route, settings);
        // 1600 m in stretches of at most 200 m: 8, and no more for the corners, which lie on
        // the stretches' ends or close to them.
        EXPECT_GE(route.checkpoints.size(), 8u);
        EXPECT_LE(route.checkpoints.size(), 9u);
    }
}

TEST(RouteRecorderTest, SBendsNeedMoreCheckpointsTheFinerTheTolerance) {
    SyntheticDrive drive({0, 0, 0});
    for (int i = 1; i <= 400; ++i) {
        const double y = i * 2.5;
        drive.to({static_cast<float>(40 * std::sin(y / 160 * 2 * std::numbers::pi)),
                  static_cast<float>(y), 0},
                 25);
    }
    std::size_t coarser = 1000;
    for (const double tolerance : {20.0, 5.0, 1.0}) {
        RecorderSettings settings;
        settings.tolerance = tolerance;
        settings.spacing = 500;
        const RecordedRoute route = record(drive, settings);
        SCOPED_TRACE(tolerance);
        expectRulesHold(drive, route, settings);
        EXPECT_TRUE(coarser == 1000 || route.checkpoints.size() > coarser);
        coarser = route.checkpoints.size();
    }
}

TEST(RouteRecorderTest, AJumpLaysNothingBetweenAndThePathGoesOnFromTheNewPlace) {
    SyntheticDrive drive({0, 0, 0});
    drive.to({0, 300, 0}).jumpTo({2000, 2000, 0}).to({2300, 2000, 0});
    RouteRecorder recorder({});
    for (const GameSample& sample : drive.samples()) {
        recorder.add(sample);
        if (sample.x == 2000) {
            EXPECT_EQ(recorder.note(), RecorderNote::JumpSkipped);
        }
    }
    const RecordedRoute route = recorder.finish();
    for (const RoutePoint& checkpoint : route.checkpoints) {
        const bool onFirstRoad = checkpoint.x == 0 && checkpoint.y > 0;
        const bool onSecondRoad = checkpoint.y == 2000 && checkpoint.x > 2000;
        EXPECT_TRUE(onFirstRoad || onSecondRoad) << checkpoint.x << " " << checkpoint.y;
    }
    // The first road ends in a checkpoint; the second starts where the player landed.
    EXPECT_NE(std::ranges::find(route.checkpoints, RoutePoint{0, 300, 0}), route.checkpoints.end());
    EXPECT_NEAR(recorder.distance(), 600, 0.01);
    EXPECT_EQ(recorder.trailPieces(), std::vector<std::size_t>{recorder.trail().size() - 201});
}

TEST(RouteRecorderTest, TheHornLaysCheckpointsWhereItWentDownAndCarsWhereItIsHeldStill) {
    SyntheticDrive drive({0, 0, 0}, 560);
    drive.horn(true).stand(1.5).horn(false);  // a car at the start
    drive.to({0, 100, 0});
    const RoutePoint tapped = drive.place();
    drive.horn(true).stand(0.05).to({0, 110, 0}).horn(false).to({0, 200, 0});  // a tap
    drive.horn(true).to({0, 250, 0}).horn(false);  // held too long, moving
    drive.controlsOff(true).horn(true).to({0, 260, 0}).horn(false).controlsOff(false);
    drive.to({-300, 250, 0});
    drive.horn(true).stand(0.5).to({-310, 250, 0}).stand(1).horn(false);  // moved while held

    RecorderSettings signalsOnly;
    signalsOnly.followShape = false;
    const RecordedRoute onlyTaps = record(drive, signalsOnly);
    EXPECT_EQ(onlyTaps.checkpoints, std::vector<RoutePoint>{tapped});
    ASSERT_EQ(onlyTaps.cars.size(), 1u);
    EXPECT_EQ(onlyTaps.cars[0].position, (RoutePoint{0, 0, 0}));
    EXPECT_EQ(onlyTaps.cars[0].model, 560);

    const RecordedRoute shaped = record(drive);
    expectRulesHold(drive, shaped, {});
    EXPECT_NE(std::ranges::find(shaped.checkpoints, tapped), shaped.checkpoints.end());
    EXPECT_EQ(shaped.cars.size(), 1u);
}

TEST(RouteRecorderTest, OnFootAndControlsOffSamplesDoNotCount) {
    SyntheticDrive drive({0, 0, 0}, 411);
    drive.to({0, 150, 0}).onFoot(true).to({500, 500, 0}, 5).to({0, 150, 0}, 5).onFoot(false);
    drive.to({0, 300, 0});
    RouteRecorder recorder({});
    bool sawOnFoot = false;
    for (const GameSample& sample : drive.samples()) {
        recorder.add(sample);
        sawOnFoot = sawOnFoot || recorder.note() == RecorderNote::OnFoot;
    }
    EXPECT_TRUE(sawOnFoot);
    EXPECT_EQ(recorder.note(), RecorderNote::None);
    EXPECT_NEAR(recorder.distance(), 300, 0.01);
    const RecordedRoute route = recorder.finish();
    ASSERT_EQ(route.checkpoints.size(), 2u);
    EXPECT_NEAR(route.checkpoints[0].y, 200, 1.5);
    EXPECT_EQ(route.checkpoints[1], (RoutePoint{0, 300, 0}));
}

TEST(RouteRecorderTest, StopsLayingRowsAtTheLimitsAndSaysSo) {
    SyntheticDrive drive({0, 0, 0});
    drive.horn(true).stand(1.2).horn(false).stand(0.2).horn(true).stand(1.2).horn(false);
    drive.to({0, 2000, 0});
    RecorderSettings settings;
    settings.checkpointRoom = 3;
    settings.carRoom = 1;
    RouteRecorder recorder(settings);
    for (const GameSample& sample : drive.samples()) {
        recorder.add(sample);
    }
    EXPECT_EQ(recorder.note(), RecorderNote::CheckpointLimit);
    const RecordedRoute route = recorder.finish();
    EXPECT_EQ(route.checkpoints.size(), 3u);
    EXPECT_EQ(route.cars.size(), 1u);
    EXPECT_TRUE(route.checkpointLimitReached);
    EXPECT_TRUE(route.carLimitReached);
}

}  // namespace
}  // namespace qv
