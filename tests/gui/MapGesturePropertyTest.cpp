#include <QTest>
#include <map>
#include <random>

#include "EditorFixture.h"
#include "LargestMission.h"
#include "NativePath.h"
#include "RouteMapDriver.h"
#include "model/Error.h"
#include "model/ProjectFile.h"
#include "ui/common/MissionTreeView.h"
#include "ui/map/MapEditor.h"

using namespace qv;
using namespace qv::test;
using qv::ui::MapCanvas;

namespace {

// The project's files as saving `mission` into an empty folder writes them.
std::map<std::string, std::string> savedFiles(const Mission& mission) {
    FakeFileSystem files;
    saveProject(mission, native("/races/race.qvnx"), files);
    return files.files;
}

// A few hundred road nodes all over the map, some where the race's checkpoints are.
RoadNetwork scatteredRoads(std::mt19937& random, const Mission& mission) {
    std::uniform_real_distribution<float> coordinate(-3000, 3000);
    std::uniform_real_distribution<float> height(-5, 120);
    std::vector<RoadNode> nodes;
    for (int i = 0; i < 400; ++i) {
        nodes.push_back({coordinate(random), coordinate(random), height(random)});
    }
    for (int row = 1; row <= mission.checkpointCount(); row += 3) {
        nodes.push_back({std::stof(mission.checkpoint(row).X) + 4,
                         std::stof(mission.checkpoint(row).Y), height(random)});
    }
    return RoadNetwork(std::move(nodes), {});
}

}  // namespace

class MapGesturePropertyTest : public QObject {
    Q_OBJECT

  private slots:
    void randomGesturesUndoneAndRedoneGiveTheSameFilesByteForByte();
};

void MapGesturePropertyTest::randomGesturesUndoneAndRedoneGiveTheSameFilesByteForByte() {
    EditorFixture editor;
    {
        Mission largest;
        fillLargestMission(largest);
        saveProject(largest, native("/races/race.qvnx"), editor.files);
    }
    loadProject(editor.mission(), native("/races/race.qvnx"), editor.files);
    ui::MapWindow& map = openMap(editor);
    MapCanvas& canvas = map.canvas();
    ui::MapEditor& edits = map.editor();
    Mission& mission = editor.mission();
    std::mt19937 random(20);
    map.background().setRoads(scatteredRoads(random, mission));
    const auto original = savedFiles(mission);
    QCOMPARE(mission.historySize(), 0);

    const auto pick = [&](int count) {
        return std::uniform_int_distribution(0, count - 1)(random);
    };
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
    // Beyond the map now and then, to be kept on it.
    std::uniform_real_distribution<double> world(-3200, 3200);
    const auto screen = [&] { return QPointF(pick(canvas.width()), pick(canvas.height())); };
    const auto anyMark = [&] {
        const std::vector<RouteMark>& marks = canvas.scene().marks;
        const RouteMark& mark = marks[std::size_t(pick(int(marks.size())))];
        return std::pair(mark.part, mark.row);
    };
    const MissionPart tables[] = {MissionPart::Checkpoints, MissionPart::Cars,
                                  MissionPart::Objects};
    int refused = 0;
    for (int gesture = 0; gesture < 2000; ++gesture) {
        const int steps = mission.historySize();
        const auto [part, row] = anyMark();
        const int kind = pick(5);
        if (kind == 0) {  // a drag through the map's own gesture
            QVERIFY(canvas.beginMove(part, row));
            canvas.dragTo(screen(), {});
            canvas.dragTo(screen(), chance(0.3) ? Qt::ControlModifier : Qt::NoModifier);
            canvas.finishDrag();
        } else if (kind == 1) {  // a move or a turn put straight in
            if (part == MissionPart::Cars || part == MissionPart::Objects) {
                edits.turnMark(part, row, std::uniform_real_distribution(0.0, 360.0)(random));
            } else {
                edits.moveMark(part, row, {{world(random), world(random)}, chance(0.5), 40});
            }
        } else if (kind == 2) {
            editor.mainWindow().checkpointTree().selectRow(pick(mission.checkpointCount() + 1));
            try {
                edits.addMark(tables[pick(3)], {world(random), world(random)});
            } catch (const Error&) {
                ++refused;  // a 101st row
            }
        } else if (kind == 3) {
            canvas.setHighlight(std::pair(part, row));
            edits.deleteSelected();
        } else {  // a drag given up: nothing changes
            const std::vector<RouteMark> before = canvas.scene().marks;
            QVERIFY((chance(0.5) && canvas.beginTurn(part, row)) || canvas.beginMove(part, row));
            canvas.dragTo(screen(), Qt::ShiftModifier);
            canvas.cancelDrag();
            QCOMPARE(mission.historySize(), steps);
            QCOMPARE(canvas.scene().marks.size(), before.size());
        }
        QVERIFY2(mission.historySize() - steps <= 1, qPrintable(QString::number(gesture)));
    }
    const auto afterGestures = savedFiles(mission);
    const int steps = mission.historySize();
    QVERIFY(steps > 1000);
    qInfo("%d steps, %d adds refused at the row limit", steps, refused);

    while (mission.canUndo()) {
        mission.undo();
    }
    QVERIFY(savedFiles(mission) == original);
    QCOMPARE(canvas.scene().marks.size(), routeMarks(mission).size());
    while (mission.canRedo()) {
        mission.redo();
    }
    QVERIFY(savedFiles(mission) == afterGestures);
}

QTEST_MAIN(MapGesturePropertyTest)
#include "MapGesturePropertyTest.moc"
