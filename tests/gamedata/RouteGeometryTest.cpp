#include <gtest/gtest.h>

#include <cmath>

#include "gamedata/MapGeometry.h"
#include "gamedata/RouteMarks.h"
#include "model/Mission.h"

namespace qv {
namespace {

RouteMark markAtPoint(MissionPart part, int row, WorldPoint at) {
    RouteMark mark;
    mark.part = part;
    mark.row = row;
    mark.at = at;
    return mark;
}

MapView viewOf(double width, double height) {
    MapView view;
    view.resize(width, height);
    return view;
}

TEST(MapGeometry, WorldAndScreenConvertBothWaysWithNorthUp) {
    MapView view = viewOf(800, 600);
    view.fit(WholeWorld, 0);
    EXPECT_DOUBLE_EQ(view.scale(), 0.1);  // 6000 units into 600 pixels
    const ScreenPoint northWest = view.toScreen({-3000, 3000});
    EXPECT_DOUBLE_EQ(northWest.x, 100);
    EXPECT_DOUBLE_EQ(northWest.y, 0);
    EXPECT_LT(view.toScreen({0, 100}).y, view.toScreen({0, 0}).y);
    const WorldPoint back = view.toWorld(view.toScreen({1234.5, -678.25}));
    EXPECT_NEAR(back.x, 1234.5, 1e-9);
    EXPECT_NEAR(back.y, -678.25, 1e-9);
}

TEST(MapGeometry, ZoomKeepsThePointUnderTheCursorAndStaysWithinBounds) {
    MapView view = viewOf(800, 600);
    view.fit(WholeWorld, 0);
    const ScreenPoint cursor{600, 150};
    const WorldPoint before = view.toWorld(cursor);
    view.zoomAround(cursor, 4);
    EXPECT_DOUBLE_EQ(view.scale(), 0.4);
    const WorldPoint after = view.toWorld(cursor);
    EXPECT_NEAR(after.x, before.x, 1e-9);
    EXPECT_NEAR(after.y, before.y, 1e-9);
    view.zoomAround(cursor, 1e6);
    EXPECT_DOUBLE_EQ(view.scale(), MapView::MaxScale);
    view.zoomAround(cursor, 1e-9);
    EXPECT_DOUBLE_EQ(view.scale(), 0.01);  // the world at a tenth of the view

    view.fit(WholeWorld, 0);
    view.panBy(100, -50);  // dragged right and up: the map moves with the cursor
    EXPECT_DOUBLE_EQ(view.centre().x, -1000);
    EXPECT_DOUBLE_EQ(view.centre().y, -500);
}

TEST(MapGeometry, FittingShowsTheWholeBoxWithItsMargin) {
    MapView view = viewOf(400, 300);
    view.fit({1000, 500, 1400, 700}, 20);
    EXPECT_DOUBLE_EQ(view.scale(), 0.9);  // 360 pixels for 400 units across
    EXPECT_GE(view.toScreen({1000, 700}).x, 20 - 1e-9);
    EXPECT_LE(view.toScreen({1400, 500}).x, 380 + 1e-9);
    EXPECT_GE(view.toScreen({1000, 700}).y, 0);
    EXPECT_LE(view.toScreen({1400, 500}).y, 300);
}

TEST(RouteMarks, HeadingsFollowTheGame) {
    // 0 faces north and the angle grows anticlockwise: 90 faces west, 270 east.
    EXPECT_NEAR(headingStep(0).y, 1, 1e-12);
    EXPECT_NEAR(headingStep(90).x, -1, 1e-12);
    EXPECT_NEAR(headingStep(180).y, -1, 1e-12);
    EXPECT_NEAR(headingStep(270).x, 1, 1e-12);
}

TEST(RouteMarks, AMissionGivesItsStartCheckpointsCarsAndObjects) {
    Mission mission;
    MissionParameters parameters = mission.parameters();
    parameters.AStartX = "100";
    parameters.AStartY = " 200.5 ";
    parameters.PlayerCarNumber = 2;
    mission.setParameters(parameters);
    mission.appendCheckpoint({"10", "20", "0", 1, "3"}, "");
    mission.appendCheckpoint({"1,5", "20", "0", 1, "3"}, "");  // no number: no mark
    mission.appendCheckpoint({"30", "-40", "0", 1, "3"}, "");
    mission.appendCar({"INFERNUS", "1", "2", "3", "90", {}});
    mission.appendCar({"BANSHEE", "4", "5", "6", "oops", {}});
    mission.appendObject({"1225", "7", "8", "9", "45"});

    const std::vector<RouteMark> marks = routeMarks(mission);
    ASSERT_EQ(marks.size(), 6u);
    EXPECT_EQ(marks[0].part, MissionPart::Parameters);
    EXPECT_DOUBLE_EQ(marks[0].at.y, 200.5);
    EXPECT_EQ(marks[1].row, 1);
    EXPECT_EQ(marks[2].row, 3);
    EXPECT_DOUBLE_EQ(marks[2].at.y, -40);
    EXPECT_EQ(marks[3].part, MissionPart::Cars);
    EXPECT_DOUBLE_EQ(marks[3].heading, 90);
    EXPECT_FALSE(marks[3].playerCar);
    EXPECT_TRUE(marks[4].playerCar);
    EXPECT_EQ(marks[4].model, "BANSHEE");
    EXPECT_DOUBLE_EQ(marks[4].heading, 0);
    EXPECT_EQ(marks[5].part, MissionPart::Objects);

    const std::optional<WorldRect> box = raceBounds(marks);
    ASSERT_TRUE(box);
    EXPECT_DOUBLE_EQ(box->west, 1);
    EXPECT_DOUBLE_EQ(box->east, 100);
    EXPECT_DOUBLE_EQ(box->south, -40);
    EXPECT_DOUBLE_EQ(box->north, 200.5);
    EXPECT_FALSE(raceBounds({}));
}

TEST(RouteMarks, AClickFindsTheNearestMarkAndTheStartOnlyWhereNothingElseIs) {
    std::vector<RouteMark> marks(4);
    marks[0].at = {0, 0};  // the start
    marks[1] = markAtPoint(MissionPart::Checkpoints, 1, {0, 0});
    marks[2] = markAtPoint(MissionPart::Cars, 1, {5, 0});
    marks[3] = markAtPoint(MissionPart::Cars, 2, {9, 0});
    MapView view = viewOf(100, 100);
    view.centreOn({0, 0});
    view.zoomAround({50, 50}, 1 / view.scale());  // one pixel a unit

    EXPECT_EQ(markAt(marks, view, {50, 50}, 3), &marks[1]);  // not the start beneath it
    EXPECT_EQ(markAt(marks, view, {57.5, 50}, 3), &marks[3]);
    EXPECT_EQ(markAt(marks, view, {50, 80}, 3), nullptr);
    marks.erase(marks.begin() + 1);
    EXPECT_EQ(markAt(marks, view, {51, 50}, 3), &marks[0]);
}

}  // namespace
}  // namespace qv
