#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include "EditorFixture.h"
#include "RouteMapDriver.h"
#include "ui/common/MissionTreeView.h"
#include "ui/map/MapEditor.h"

using namespace qv;
using namespace qv::test;
using qv::ui::MapCanvas;
using qv::ui::MapWindow;
using qv::ui::WindowId;

namespace {

// The world point under screen point `p` of the canvas.
WorldPoint worldAt(const MapCanvas& canvas, QPoint p) {
    return canvas.view().toWorld({double(p.x()), double(p.y())});
}

// Right-clicks the canvas at `at` and chooses the menu's action `name`.
void chooseFromMenu(MapCanvas& canvas, QPoint at, const QString& name) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, canvas.mapToGlobal(at));
    QApplication::sendEvent(&canvas, &event);
    auto* menu = canvas.findChild<QMenu*>(QStringLiteral("RouteMapMenu"));
    QVERIFY(menu != nullptr && menu->isVisible());
    auto* action = canvas.findChild<QAction*>(name);
    QVERIFY(action != nullptr && menu->actions().contains(action));
    menu->hide();
    action->trigger();
}

}  // namespace

class MapEditTest : public QObject {
    Q_OBJECT

  private slots:
    void draggingAMarkMovesItInOneStepAndEscPutsItBack();
    void theSelectedCarTurnsByItsHandle();
    void theContextMenuAddsMarksAndDeleteRemovesThem();
    void movesSnapToTheRoadsAndTakeTheirHeight();
};

void MapEditTest::draggingAMarkMovesItInOneStepAndEscPutsItBack() {
    EditorFixture editor;
    addRace(editor.mission());
    editor.mission().placeStart("400", "0", "10");  // not under car 1
    MapWindow& map = openMap(editor);
    MapCanvas& canvas = map.canvas();
    editor.app().openRowEditor(WindowId::ModifyCheckp, 2);
    QWidget& dialog = editor.window(WindowId::ModifyCheckp);
    const int steps = editor.mission().historySize();

    // A click stays a click: it selects and changes nothing.
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, markPoint(canvas, MissionPart::Checkpoints, 2));
    QCOMPARE(editor.mainWindow().checkpointTree().selectedRow(), 2);
    QCOMPARE(editor.mission().historySize(), steps);

    const QPoint from = markPoint(canvas, MissionPart::Checkpoints, 2);
    const QPoint to = from + QPoint(40, 25);
    drag(canvas, from, to);
    const WorldPoint dropped = worldAt(canvas, to);
    QCOMPARE(editor.mission().historySize(), steps + 1);
    QCOMPARE(QString::fromStdString(editor.mission().undoName()),
             QStringLiteral("перемещение чекпоинта 2"));
    const CheckpointEntry& moved = editor.mission().checkpoint(2);
    // Where it was let go, held where the pointer took it (within a pixel of its centre).
    const double pixel = 1 / canvas.view().scale();
    QVERIFY(std::abs(std::stod(moved.X) - dropped.x) < pixel);
    QVERIFY(std::abs(std::stod(moved.Y) - dropped.y) < pixel);
    QCOMPARE(moved.X.substr(moved.X.find('.')).size(), std::size_t(3));  // "123.45"
    // Without roads, a checkpoint takes its neighbours' height, and the line says so.
    QCOMPARE(moved.Z, std::string("10.00"));
    QVERIFY(
        editor.get<QLabel>("MapHeight").text().contains(QStringLiteral("между чекпоинтами 1 и 3")));
    QCOMPARE(markPoint(canvas, MissionPart::Checkpoints, 2), to);
    // The open change dialog shows the new place.
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(),
             QString::fromStdString(moved.X));
    // The tree's line too.
    QVERIFY(editor.mainWindow()
                .checkpointTree()
                .treeModel()
                .tree()
                .root()
                ->child(1)
                ->child(2)
                ->child(0)
                ->text() == "X: " + moved.X);

    // Esc while dragging puts the mark back and changes nothing; the rest of the drag is no pan.
    const WorldPoint centre = canvas.view().centre();
    QTest::mousePress(&canvas, Qt::LeftButton, {}, to);
    dragOver(canvas, to + QPoint(30, 0));
    dragOver(canvas, to + QPoint(60, 0));
    QCOMPARE(markPoint(canvas, MissionPart::Checkpoints, 2), to + QPoint(60, 0));
    QTest::keyClick(&canvas, Qt::Key_Escape);
    QCOMPARE(markPoint(canvas, MissionPart::Checkpoints, 2), to);
    dragOver(canvas, to + QPoint(90, 0));
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, to + QPoint(90, 0));
    QCOMPARE(editor.mission().historySize(), steps + 1);
    QCOMPARE(canvas.view().centre().x, centre.x);

    // The start point moves as one step of its own; undo puts it back.
    const QPoint start = markPoint(canvas, MissionPart::Parameters, 0);
    drag(canvas, start, start + QPoint(-30, -30));
    QCOMPARE(QString::fromStdString(editor.mission().undoName()),
             QStringLiteral("перемещение старта"));
    editor.mission().undo();
    QCOMPARE(editor.mission().parameters().AStartX, std::string("400"));
    QCOMPARE(markPoint(canvas, MissionPart::Parameters, 0), start);
}

void MapEditTest::theSelectedCarTurnsByItsHandle() {
    EditorFixture editor;
    addRace(editor.mission());
    MapWindow& map = openMap(editor);
    MapCanvas& canvas = map.canvas();
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, markPoint(canvas, MissionPart::Cars, 2));
    const std::optional<QPointF> handle = canvas.turnHandlePosition();
    QVERIFY(handle.has_value());
    const QPoint car = markPoint(canvas, MissionPart::Cars, 2);
    QVERIFY(handle->y() < car.y());  // heading 0: north, up the screen

    // Round to the west-north-west with Shift: steps of 15°.
    drag(canvas, handle->toPoint(), car + QPoint(-100, -45), Qt::ShiftModifier);
    QCOMPARE(QString::fromStdString(editor.mission().undoName()),
             QStringLiteral("поворот машины 2"));
    QCOMPARE(editor.mission().car(2).Angle, std::string("60.00"));
    QCOMPARE(editor.mission().car(2).X, std::string("50"));  // the place stays as typed
    // Without Shift, any heading.
    drag(canvas, canvas.turnHandlePosition()->toPoint(), car + QPoint(100, 41));
    const double angle = std::stod(editor.mission().car(2).Angle);
    QVERIFY2(angle > 240 && angle < 300 && std::fmod(angle, 15) != 0,
             editor.mission().car(2).Angle.c_str());
    // The start point has no heading and no handle.
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, markPoint(canvas, MissionPart::Parameters, 0));
    QVERIFY(!canvas.beginTurn(MissionPart::Parameters, 0));
}

void MapEditTest::theContextMenuAddsMarksAndDeleteRemovesThem() {
    EditorFixture editor;
    addRace(editor.mission());
    MapWindow& map = openMap(editor);
    MapCanvas& canvas = map.canvas();
    editor.mainWindow().checkpointTree().selectRow(1);

    const QPoint between = (markPoint(canvas, MissionPart::Checkpoints, 1) +
                            markPoint(canvas, MissionPart::Checkpoints, 2)) /
                           2;
    chooseFromMenu(canvas, between, QStringLiteral("AddCheckpointHereAction"));
    QCOMPARE(editor.mission().checkpointCount(), 4);
    QCOMPARE(QString::fromStdString(editor.mission().undoName()),
             QStringLiteral("вставка чекпоинта 2"));
    QCOMPARE(canvas.highlight(), std::pair(MissionPart::Checkpoints, 2));
    QCOMPARE(editor.mainWindow().checkpointTree().selectedRow(), 2);
    QCOMPARE(editor.mission().checkpoint(2).Speed, 1);

    chooseFromMenu(canvas, QPoint(30, 30), QStringLiteral("AddObjectHereAction"));
    QCOMPARE(editor.mission().objectCount(), 2);
    QCOMPARE(canvas.highlight(), std::pair(MissionPart::Objects, 2));
    const WorldPoint corner = worldAt(canvas, QPoint(30, 30));
    QVERIFY(std::abs(std::stod(editor.mission().object(2).X) - corner.x) < 0.01);

    // Delete removes the selected mark's row, one step as in its tree.
    map.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&map));
    canvas.setFocus();
    QTest::keyClick(&canvas, Qt::Key_Delete);
    QCOMPARE(editor.mission().objectCount(), 1);
    QCOMPARE(QString::fromStdString(editor.mission().undoName()),
             QStringLiteral("удаление объекта 2"));
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, markPoint(canvas, MissionPart::Cars, 1));
    QTest::keyClick(&canvas, Qt::Key_Delete);
    QCOMPARE(editor.mission().carCount(), 1);
    QCOMPARE(editor.mission().car(1).Model, std::string("BANSHEE"));

    // The row limit holds with the trees' message.
    while (editor.mission().carCount() < Mission::MaxRows) {
        editor.mission().appendCar({});
    }
    chooseFromMenu(canvas, QPoint(60, 60), QStringLiteral("AddCarHereAction"));
    QCOMPARE(editor.mission().carCount(), Mission::MaxRows);
    QCOMPARE(editor.dialogs.lastMessage().text,
             QStringLiteral("Нельзя добавить больше 100 машин."));
}

void MapEditTest::movesSnapToTheRoadsAndTakeTheirHeight() {
    EditorFixture editor;
    addRace(editor.mission());
    MapWindow& map = openMap(editor);
    MapCanvas& canvas = map.canvas();
    const QPoint car = markPoint(canvas, MissionPart::Cars, 1);
    // A road node a few pixels off where the car will be dropped.
    const WorldPoint node = worldAt(canvas, car + QPoint(50, 8));
    map.background().setRoads(
        RoadNetwork({{float(node.x), float(node.y), 33.5f}, {-2000, -2000, 5}}, {{0, 1}}));

    // Ctrl held: onto the node, with its height.
    drag(canvas, car, car + QPoint(50, 0), Qt::ControlModifier);
    QCOMPARE(std::stod(editor.mission().car(1).Z), 33.5);
    QVERIFY(std::abs(std::stod(editor.mission().car(1).Y) - node.y) < 0.01);
    QVERIFY(editor.get<QLabel>("MapHeight").text().contains(QStringLiteral("привязка")));

    // Without snapping, far from the roads: the car keeps its height.
    const QPoint placed = markPoint(canvas, MissionPart::Cars, 1);
    drag(canvas, placed, placed + QPoint(0, 60));
    QCOMPARE(editor.mission().car(1).Z, std::string("33.50"));
    QVERIFY(editor.get<QLabel>("MapHeight").text().contains(QStringLiteral("не меняется")));

    // "Привязка к дорогам" on: a dropped checkpoint snaps without Ctrl.
    map.findChild<QAction*>(QStringLiteral("SnapToRoadsAction"))->setChecked(true);
    drag(canvas, markPoint(canvas, MissionPart::Checkpoints, 1), car + QPoint(45, 10));
    QCOMPARE(editor.mission().checkpoint(1).Z, std::string("33.50"));
}

QTEST_MAIN(MapEditTest)
#include "MapEditTest.moc"
