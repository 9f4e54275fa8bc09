#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <cmath>
#include <numbers>

#include "EditorFixture.h"
#include "ui/common/MissionTreeView.h"
#include "ui/map/MapCanvas.h"
#include "ui/map/MapWindow.h"

using namespace qv;
using namespace qv::test;
using qv::ui::MapCanvas;

namespace {

constexpr int Infernus = 411;
// Long enough for the recorder's timer to take several samples at one place.
constexpr int Samples = 160;

struct Place {
    double x;
    double y;
};

double distance(Place a, Place b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

Place placeOf(const CheckpointEntry& checkpoint) {
    return {std::stod(checkpoint.X), std::stod(checkpoint.Y)};
}

// Drives the fake game's Infernus in a straight line from `from` to `to`, `step` metres a
// stop, heading along the line; `atEachStop` runs once the vehicle stands at a stop.
template <typename AtEachStop>
void drive(EditorFixture& editor, Place from, Place to, double step, AtEachStop atEachStop) {
    const int stops = static_cast<int>(std::round(distance(from, to) / step));
    const double heading =
        std::fmod(std::atan2(-(to.x - from.x), to.y - from.y) * 180 / std::numbers::pi + 360, 360);
    for (int i = 0; i <= stops; ++i) {
        const Place at{from.x + (to.x - from.x) * i / stops, from.y + (to.y - from.y) * i / stops};
        editor.game.placeVehicle(float(at.x), float(at.y), 10.0f, float(heading), Infernus, 1.0f);
        QTest::qWait(Samples / 2);
        atEachStop(at);
    }
}

void drive(EditorFixture& editor, Place from, Place to, double step) {
    drive(editor, from, to, step, [](Place) {});
}

void hornFor(EditorFixture& editor, int milliseconds) {
    editor.game.setHorn(true);
    QTest::qWait(milliseconds);
    editor.game.setHorn(false);
    QTest::qWait(Samples);
}

QPushButton& button(const EditorFixture& editor, const char* name) {
    return editor.get<QPushButton>(QString::fromLatin1(name));
}

// A mission of two checkpoints and no cars, the first selected.
void twoCheckpointsFirstSelected(EditorFixture& editor) {
    editor.mission().appendCheckpoint({"-500.00", "-500.00", "5.00", 20, DriveType::Normal}, "x");
    editor.mission().appendCheckpoint({"-600.00", "-500.00", "5.00", 20, DriveType::Normal}, "x");
    editor.mainWindow().checkpointTree().selectRow(1);
}

}  // namespace

class RouteRecorderTest : public QObject {
    Q_OBJECT

  private slots:
    void aDriveBecomesCheckpointsAndCarsUndoneInOneStep();
    void theGameClosingKeepsTheRecordingAndCancelDiscardsIt();
    void theMapShowsThePlayerLiveOutsideARecording();
};

void RouteRecorderTest::aDriveBecomesCheckpointsAndCarsUndoneInOneStep() {
    EditorFixture editor;
    twoCheckpointsFirstSelected(editor);
    // The add dialog's speed and drive type are those of the recorded checkpoints.
    QWidget& addDialog = editor.window(ui::WindowId::AddCheckp);
    addDialog.findChild<QSlider*>(QStringLiteral("TrackBar1"))->setValue(73);
    auto* driveType = addDialog.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    driveType->setCurrentIndex(2);

    editor.game.placeVehicle(0, 0, 10, 270, Infernus, 0);
    editor.press(QKeySequence(Qt::CTRL | Qt::Key_R));
    auto& recorder = editor.get<QWidget>("RouteRecorder");
    QVERIFY(QTest::qWaitForWindowExposed(&recorder));
    auto& map = editor.get<ui::MapWindow>("RouteMap");
    QVERIFY(map.isVisible());
    map.resize(800, 600);
    editor.get<QSpinBox>("RecordSpacing").setValue(150);
    editor.click("RecordStartBtn");
    QVERIFY(!button(editor, "RecordStartBtn").isEnabled());

    // East along y = 0 with a horn tap halfway, then north, then a stop and a long horn.
    const Place tapped{400, 0};
    drive(editor, {0, 0}, {800, 0}, 20, [&](Place at) {
        if (distance(at, tapped) < 1) {
            hornFor(editor, 150);
        }
    });
    // The map follows the vehicle and draws it heading north.
    drive(editor, {800, 0}, {800, 300}, 20);
    MapCanvas& canvas = map.canvas();
    QVERIFY(canvas.overlay().player.has_value());
    QVERIFY(std::abs(std::remainder(canvas.overlay().player->heading, 360.0)) < 0.01);
    const QPointF drawn = *canvas.playerPosition();
    QVERIFY(std::abs(drawn.x() - canvas.width() / 2.0) <= 1);
    QVERIFY(std::abs(drawn.y() - canvas.height() / 2.0) <= 1);
    QVERIFY(canvas.overlay().trail.size() > 20);
    QVERIFY(!canvas.overlay().laid.empty());

    editor.game.placeVehicle(800, 300, 10, 0, Infernus, 0);
    QTest::qWait(Samples);
    hornFor(editor, 1400);
    QVERIFY(editor.get<QLabel>("RecordCars").text().contains(QLatin1Char('1')));

    editor.click("RecordStopBtn");
    QVERIFY(!canvas.overlay().player.has_value());
    QVERIFY(canvas.overlay().trail.empty());

    // The drive went in after the selected first checkpoint; the second follows it.
    Mission& mission = editor.mission();
    const int laid = mission.checkpointCount() - 2;
    QVERIFY2(laid >= 6, qPrintable(QString::number(laid)));
    QCOMPARE(placeOf(mission.checkpoint(mission.checkpointCount())).x, -600.0);
    bool tapLaid = false;
    Place previous{0, 0};
    for (int row = 2; row <= laid + 1; ++row) {
        const CheckpointEntry& checkpoint = mission.checkpoint(row);
        QCOMPARE(checkpoint.Speed, 73);
        QCOMPARE(checkpoint.Type, std::string(DriveType::Direct));
        const Place at = placeOf(checkpoint);
        tapLaid = tapLaid || distance(at, tapped) < 1;
        // The spacing set in the window holds (a stop is 20 m).
        QVERIFY2(distance(previous, at) <= 150 + 20, qPrintable(QString::number(row)));
        previous = at;
    }
    QVERIFY(tapLaid);
    QVERIFY(distance(previous, {800, 300}) <= 10);
    QCOMPARE(mission.carCount(), 1);
    QCOMPARE(mission.car(1).Model, std::string("INFERNUS"));
    QCOMPARE(std::stod(mission.car(1).Y), 300.0);

    editor.action("UndoAction").trigger();
    QCOMPARE(mission.checkpointCount(), 2);
    QCOMPARE(mission.carCount(), 0);
    QCOMPARE(placeOf(mission.checkpoint(2)).x, -600.0);
}

void RouteRecorderTest::theGameClosingKeepsTheRecordingAndCancelDiscardsIt() {
    EditorFixture editor;
    editor.game.setRunning(false);
    editor.action("RouteRecorderAction").trigger();
    editor.click("RecordStartBtn");
    // Without the game nothing starts, and the status line says why.
    QVERIFY(button(editor, "RecordStartBtn").isEnabled());
    QVERIFY(!editor.get<QLabel>("RecordStatus").text().isEmpty());

    // "Только по сигналу": only the tap becomes a checkpoint.
    editor.game.setRunning(true);
    editor.get<QComboBox>("RecordMode").setCurrentIndex(1);
    editor.click("RecordStartBtn");
    drive(editor, {0, 0}, {300, 0}, 20, [&](Place at) {
        if (distance(at, {100, 0}) < 1) {
            hornFor(editor, 150);
        }
    });
    editor.game.setRunning(false);
    QTest::qWait(Samples);
    QVERIFY(!button(editor, "RecordPauseBtn").isEnabled());
    QVERIFY(button(editor, "RecordStopBtn").isEnabled());
    QCOMPARE(editor.mission().checkpointCount(), 0);
    // Quitting now would lose the recording: the exit question says so, and may be refused.
    const auto quitQuestion = [&] {
        editor.dialogs.answerMessage(ui::MessageButton::Cancel);
        if (editor.mainWindow().close()) {
            qFatal("the editor closed without asking");
        }
        return editor.dialogs.messages().back().text;
    };
    QVERIFY(quitQuestion().contains(QStringLiteral("«Стоп»")));
    QVERIFY(editor.get<QWidget>("RecordStopBtn").isEnabled());
    editor.click("RecordStopBtn");
    QCOMPARE(editor.mission().checkpointCount(), 1);
    editor.mission().markSaved();
    QVERIFY(!quitQuestion().contains(QStringLiteral("«Стоп»")));
    QCOMPARE(placeOf(editor.mission().checkpoint(1)).x, 100.0);

    // A paused recording, then cancelled, leaves the mission as it was.
    editor.game.setRunning(true);
    editor.click("RecordStartBtn");
    drive(editor, {0, 0}, {100, 0}, 20, [&](Place) { hornFor(editor, 100); });
    editor.click("RecordPauseBtn");
    drive(editor, {100, 0}, {200, 0}, 20, [&](Place) { hornFor(editor, 100); });
    editor.click("RecordCancelBtn");
    QCOMPARE(editor.mission().checkpointCount(), 1);
    QVERIFY(button(editor, "RecordStartBtn").isEnabled());
}

void RouteRecorderTest::theMapShowsThePlayerLiveOutsideARecording() {
    EditorFixture editor;
    editor.game.placeVehicle(1234, -567, 10, 90, Infernus, 0);
    editor.action("RouteMapAction").trigger();
    auto& map = editor.get<ui::MapWindow>("RouteMap");
    QVERIFY(QTest::qWaitForWindowExposed(&map));
    QVERIFY(!map.canvas().overlay().player.has_value());
    editor.click("ShowPlayer");
    QTRY_VERIFY(map.canvas().overlay().player.has_value());
    QCOMPARE(map.canvas().overlay().player->at.x, 1234.0);
    QVERIFY(std::abs(map.canvas().overlay().player->heading - 90) < 0.01);

    editor.game.placeVehicle(-80, 40, 10, 180, Infernus, 0);
    QTRY_COMPARE(map.canvas().overlay().player->at.x, -80.0);
    editor.game.setRunning(false);
    QTRY_VERIFY(!map.canvas().overlay().player.has_value());
    editor.click("ShowPlayer");
    editor.game.setRunning(true);
    QTest::qWait(Samples);
    QVERIFY(!map.canvas().overlay().player.has_value());
}

QTEST_MAIN(RouteRecorderTest)
#include "RouteRecorderTest.moc"
