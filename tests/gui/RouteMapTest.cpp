#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include "EditorFixture.h"
#include "ExampleMissions.h"
#include "GameFixtures.h"
#include "NativePath.h"
#include "RouteMapDriver.h"
#include "ui/common/MissionTreeView.h"
#include "ui/common/ScreenFit.h"
#include "ui/editors/TreeWindow.h"
#include "ui/map/MapCanvas.h"
#include "ui/map/MapWindow.h"
#include "ui/options/OptionsWindow.h"

using namespace qv;
using namespace qv::test;
using qv::ui::MapCanvas;
using qv::ui::MapWindow;
using qv::ui::WindowId;

namespace {

QString note(const EditorFixture& editor) {
    return editor.get<QLabel>("MapBackgroundNote").text();
}

}  // namespace

class RouteMapTest : public QObject {
    Q_OBJECT

  private slots:
    void clickingAMarkSelectsItsRowWhereItIsEdited();
    void selectingARowHighlightsItsMarkAndChangesShowAtOnce();
    void theMapFollowsTheTabOnScreenAndTheMouse();
    void theBackgroundComesFromTheGameFolderOrTheNoteSaysWhy();
    void largeTilesComeInAfterTheMapIsShown();
    void withoutAGameFolderTheMapAsksOnceAndKeepsTheAnswer();
    void theMapsFolderIsCheckedAndAFolderChosenLaterShowsAtOnce();
    void thePlaceOfTheWindowIsKept();
    void theRoadsAreDrawnOnRequestAndADamagedNodeFileIsNamed();
    void aWindowGoesBesideAnotherWhereTheScreenHasRoom();
    void theExampleCircuitOnASyntheticGame();
};

void RouteMapTest::clickingAMarkSelectsItsRowWhereItIsEdited() {
    EditorFixture editor;
    addRace(editor.mission());
    MapWindow& map = openMap(editor);
    MapCanvas& canvas = map.canvas();

    QTest::mouseClick(&canvas, Qt::LeftButton, {}, markPoint(canvas, MissionPart::Checkpoints, 2));
    QCOMPARE(editor.mainWindow().tabs().currentIndex(), 2);
    QCOMPARE(editor.mainWindow().checkpointTree().selectedRow(), 2);
    QCOMPARE(canvas.highlight(), std::pair(MissionPart::Checkpoints, 2));

    QTest::mouseClick(&canvas, Qt::LeftButton, {}, markPoint(canvas, MissionPart::Cars, 2));
    QCOMPARE(editor.mainWindow().tabs().currentIndex(), 1);
    QCOMPARE(editor.mainWindow().carTree().selectedRow(), 2);
    // The map in use stays in front of the main window that shows the row.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&map));

    QTest::mouseClick(&canvas, Qt::LeftButton, {}, markPoint(canvas, MissionPart::Objects, 1));
    auto& objects = static_cast<ui::TreeWindow&>(editor.window(WindowId::Objects));
    QVERIFY(objects.isVisible());
    QCOMPARE(objects.tree().selectedRow(), 1);

    // A drag of the ground pans the map, and selects and changes nothing.
    const QPoint mark = markPoint(canvas, MissionPart::Checkpoints, 1);
    const QPoint from = mark + QPoint(0, 40);
    const int steps = editor.mission().historySize();
    QTest::mousePress(&canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(&canvas, from + QPoint(60, 30));
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, from + QPoint(60, 30));
    QCOMPARE(markPoint(canvas, MissionPart::Checkpoints, 1), mark + QPoint(60, 30));
    QCOMPARE(editor.mainWindow().checkpointTree().selectedRow(), 2);
    QCOMPARE(editor.mission().historySize(), steps);
}

void RouteMapTest::selectingARowHighlightsItsMarkAndChangesShowAtOnce() {
    EditorFixture editor;
    addRace(editor.mission());
    MapWindow& map = openMap(editor);
    MapCanvas& canvas = map.canvas();

    // The last row added to each tree is selected already: choose others.
    editor.mainWindow().carTree().selectRow(1);
    QCOMPARE(canvas.highlight(), std::pair(MissionPart::Cars, 1));
    editor.mainWindow().checkpointTree().selectRow(2);
    QCOMPARE(canvas.highlight(), std::pair(MissionPart::Checkpoints, 2));

    // Following the selection centres the selected mark.
    editor.click("FollowSelection");
    editor.mainWindow().carTree().selectRow(2);
    const QPoint centre = markPoint(canvas, MissionPart::Cars, 2);
    QVERIFY(std::abs(centre.x() - canvas.width() / 2) <= 1);
    QVERIFY(std::abs(centre.y() - canvas.height() / 2) <= 1);

    const auto marks = [&] { return int(canvas.scene().marks.size()); };
    const int before = marks();
    editor.mission().appendCheckpoint({"900", "900", "0", 50, "3"}, "Гоночный");
    QCOMPARE(marks(), before + 1);
    editor.mission().changeCar(2, {"BANSHEE", "-500", "-500", "10", "180", {}});
    QCOMPARE(canvas.markPosition(MissionPart::Cars, 2).has_value(), true);
    QVERIFY(*canvas.markPosition(MissionPart::Cars, 2) != QPointF(centre));
    MissionParameters parameters = editor.mission().parameters();
    parameters.ARaceType = Circuit;
    parameters.ALapsCount = 4;
    editor.mission().setParameters(parameters);
    QVERIFY(canvas.scene().circuit);
    QCOMPARE(canvas.scene().laps, 4);
}

void RouteMapTest::theMapFollowsTheTabOnScreenAndTheMouse() {
    EditorFixture editor;
    addRace(editor.mission());
    MissionParameters parameters = editor.mission().parameters();
    parameters.AStartX = "900";  // east of every other mark: its label stands at the map's edge
    editor.mission().setParameters(parameters);
    MapWindow& map = openMap(editor);
    MapCanvas& canvas = map.canvas();

    // The highlight is the selected row of the tab in front, not the last selection made.
    QTabWidget& tabs = editor.mainWindow().tabs();
    tabs.setCurrentIndex(1);
    editor.mainWindow().carTree().selectRow(1);
    tabs.setCurrentIndex(2);
    editor.mainWindow().checkpointTree().selectRow(2);
    tabs.setCurrentIndex(1);
    QCOMPARE(canvas.highlight(), std::pair(MissionPart::Cars, 1));
    tabs.setCurrentIndex(2);
    QCOMPARE(canvas.highlight(), std::pair(MissionPart::Checkpoints, 2));

    // The position line speaks of the mouse only while it is over the map.
    const QPointF over = markPoint(canvas, MissionPart::Checkpoints, 1);
    QMouseEvent move(QEvent::MouseMove, over, canvas.mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&canvas, &move);
    QVERIFY(!editor.get<QLabel>("MapPosition").text().isEmpty());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&canvas, &leave);
    QCOMPARE(editor.get<QLabel>("MapPosition").text(), QString());

    // "Показать всё" shows the start's label whole.
    editor.click("FitRouteBtn");
    const QPoint start = markPoint(canvas, MissionPart::Parameters, 0);
    QVERIFY2(start.x() + canvas.fontMetrics().horizontalAdvance(QStringLiteral("Старт")) + 12 <=
                 canvas.width(),
             qPrintable(QStringLiteral("%1 of %2").arg(start.x()).arg(canvas.width())));
}

void RouteMapTest::aWindowGoesBesideAnotherWhereTheScreenHasRoom() {
    const QRect screen(0, 0, 1600, 1000);
    const QSize map(820, 660);
    // Room on the right; on the left only; on neither side; a neighbour low on the screen.
    QCOMPARE(ui::besideOf({0, 0, 700, 500}, map, screen), QPoint(700, 0));
    QCOMPARE(ui::besideOf({850, 100, 700, 500}, map, screen), QPoint(30, 100));
    QCOMPARE(ui::besideOf({300, 0, 700, 500}, map, screen), std::nullopt);
    QCOMPARE(ui::besideOf({0, 600, 700, 300}, map, screen), QPoint(700, 340));
    QCOMPARE(ui::besideOf({0, 0, 100, 100}, QSize(820, 1200), screen), std::nullopt);
}

void RouteMapTest::theBackgroundComesFromTheGameFolderOrTheNoteSaysWhy() {
    EditorFixture editor;
    writeSyntheticGame(editor.files, native("/game"));
    MapWindow& map = openMap(editor, native("/game/"));
    QCOMPARE(note(editor), QString());
    QTRY_VERIFY(map.background().tile(0) != nullptr);
    QCOMPARE(map.background().tile(0)->size(), QSize(128, 128));
    QVERIFY(editor.dialogs.folderPrompts().isEmpty());

    // Hovering names the place.
    const ScreenPoint strip = map.canvas().view().toScreen({2050, 1000});
    const QPointF over(strip.x, strip.y);
    QMouseEvent move(QEvent::MouseMove, over, map.canvas().mapToGlobal(over), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&map.canvas(), &move);
    QVERIFY2(editor.get<QLabel>("MapPosition").text().contains("The Strip, Las Venturas"),
             qPrintable(editor.get<QLabel>("MapPosition").text()));

    map.hide();
    editor.files.files[native("/game/models/gta3.img")] = "VER1 and nothing else";
    static_cast<ui::OptionsWindow&>(editor.window(WindowId::Options))
        .setGameFolder(native("/other/"));
    writeSyntheticGame(editor.files, native("/other"));
    editor.files.files[native("/other/models/gta3.img")] = "VER1 and nothing else";
    editor.action("RouteMapAction").trigger();
    QCOMPARE(note(editor),
             QStringLiteral("Нет фона: %1: не архив IMG версии 2: нет «VER2» в начале")
                 .arg(QString::fromStdString(native("/other/models/gta3.img"))));
    QVERIFY(map.background().tile(0) == nullptr);
}

void RouteMapTest::largeTilesComeInAfterTheMapIsShown() {
    EditorFixture editor;
    writeSyntheticGame(editor.files, native("/game"), 256);
    editor.files.files.erase(native("/game/data/map.zon"));
    editor.mission().appendCheckpoint({"-2750", "2750", "10", 50, "3"}, "Гоночный");
    MapWindow& map = openMap(editor, native("/game/"));
    // The sea of the corner tile, where nothing else is drawn.
    const auto seaShown = [&] {
        const ScreenPoint corner = map.canvas().view().toScreen({-2900, 2900});
        const QColor colour =
            map.canvas().grab().toImage().pixelColor(int(corner.x), int(corner.y));
        return colour.blue() > colour.red() + 60;
    };
    QVERIFY(!seaShown());  // the first view does not wait for the tiles
    QTRY_VERIFY_WITH_TIMEOUT(!map.background().loading(), 30000);
    QVERIFY(seaShown());
    QCOMPARE(map.background().tile(0)->size(), QSize(256, 256));
    // The zones that could not be read are named, the tiles being fine.
    QVERIFY2(note(editor).contains(QStringLiteral("map.zon")), qPrintable(note(editor)));
    QVERIFY(!note(editor).contains(QStringLiteral("плиток")));
}

void RouteMapTest::withoutAGameFolderTheMapAsksOnceAndKeepsTheAnswer() {
    EditorFixture editor;
    openMap(editor, {}, {});
    QCOMPARE(editor.dialogs.folderPrompts().size(), 1);
    QVERIFY(note(editor).startsWith(QStringLiteral("Нет фона: не указана папка игры")));
    editor.get<MapWindow>("RouteMap").hide();
    editor.action("RouteMapAction").trigger();
    QCOMPARE(editor.dialogs.folderPrompts().size(), 1);

    EditorFixture second;
    writeSyntheticGame(second.files, native("/game"));
    openMap(second, {}, QString::fromStdString(native("/game")));
    QCOMPARE(note(second), QString());
    auto& options = static_cast<ui::OptionsWindow&>(second.window(WindowId::Options));
    QCOMPARE(options.gameFolder(), native("/game/"));
    QVERIFY(second.files.files[native("/races/settings.ini")].find("GameDir=" + native("/game/")) !=
            std::string::npos);
}

void RouteMapTest::theMapsFolderIsCheckedAndAFolderChosenLaterShowsAtOnce() {
    EditorFixture editor;
    editor.files.files[native("/junk/readme.txt")] = "no game here";
    MapWindow& map = openMap(editor, {}, QString::fromStdString(native("/junk")));
    QCOMPARE(editor.dialogs.lastMessage().text, QStringLiteral("Указан неверный путь!"));
    auto& options = static_cast<ui::OptionsWindow&>(editor.window(WindowId::Options));
    QVERIFY(options.gameFolder().empty());
    QVERIFY(note(editor).startsWith(QStringLiteral("Нет фона: не указана папка игры")));

    // Chosen in the options window, the test run off, with the map open.
    writeSyntheticGame(editor.files, native("/game"));
    editor.dialogs.answerFolder(QString::fromStdString(native("/game")));
    editor.get<QPushButton>("BrowseGameBtn").click();
    QCOMPARE(options.gameFolder(), native("/game/"));
    QCOMPARE(note(editor), QString());
    QTRY_VERIFY(map.background().tile(0) != nullptr);
}

void RouteMapTest::thePlaceOfTheWindowIsKept() {
    EditorFixture editor;
    MapWindow& map = openMap(editor);
    map.setGeometry(40, 50, 700, 500);
    map.hide();
    const std::string& ini = editor.files.files[native("/races/settings.ini")];
    QVERIFY2(ini.find("[RouteMap]\r\n") != std::string::npos, ini.c_str());
    QVERIFY2(ini.find("Width=700\r\nHeight=500\r\n") != std::string::npos, ini.c_str());

    EditorFixture later;
    later.files.files[native("/races/settings.ini")] = ini;
    later.dialogs.answerFolder({});
    later.action("RouteMapAction").trigger();
    QCOMPARE(later.get<MapWindow>("RouteMap").geometry(), QRect(40, 50, 700, 500));

    // A place kept on a larger screen, or half beyond this one, comes back whole on this one.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QRect kept : {QRect(screen.right() - 100, screen.bottom() - 80, 700, 500),
                             QRect(-3000, 40, screen.width() * 2, screen.height() * 2)}) {
        EditorFixture moved;
        moved.files.files[native("/races/settings.ini")] =
            QStringLiteral("[RouteMap]\r\nLeft=%1\r\nTop=%2\r\nWidth=%3\r\nHeight=%4\r\n")
                .arg(kept.left())
                .arg(kept.top())
                .arg(kept.width())
                .arg(kept.height())
                .toStdString();
        moved.dialogs.answerFolder({});
        moved.action("RouteMapAction").trigger();
        auto& restored = moved.get<MapWindow>("RouteMap");
        QVERIFY(QTest::qWaitForWindowExposed(&restored));
        QVERIFY2(screen.contains(restored.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(restored.frameGeometry().x())
                                .arg(restored.frameGeometry().y())
                                .arg(restored.width())
                                .arg(restored.height())));
        QVERIFY(restored.width() > 300 && restored.height() > 200);
    }
}

void RouteMapTest::theRoadsAreDrawnOnRequestAndADamagedNodeFileIsNamed() {
    EditorFixture editor;
    addRace(editor.mission());
    // A game whose archive holds the node files and no radar tiles, one node file damaged.
    std::vector<std::pair<std::string, std::string>> nodeFiles = syntheticNodeFiles();
    nodeFiles[9].second.replace(0, 4, le32(7));
    editor.files.files[native("/game/models/gta3.img")] = imgArchive(nodeFiles);
    MapWindow& map = openMap(editor, native("/game/"));
    QVERIFY2(note(editor).contains(QStringLiteral("Не прочитано файлов дорог: 1 (первый: "
                                                  "nodes9.dat: узлов 7")),
             qPrintable(note(editor)));
    QCOMPARE(map.background().roads().nodes().size(), 63u * 24 * 24);

    // Halfway between two nodes of the lattice, away from the race's marks and lines: the
    // road between them shows only when the roads are on.
    const auto roadShown = [&] {
        const ScreenPoint p = map.canvas().view().toScreen({234.375, 218.75});
        const QImage image = map.canvas().grab().toImage();
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor colour = image.pixelColor(int(p.x) + dx, int(p.y));
            if (colour.blue() > colour.red() + 50) {
                return true;
            }
        }
        return false;
    };
    QVERIFY(!roadShown());
    editor.click("ShowRoads");
    QVERIFY(map.canvas().showRoads());
    QVERIFY(roadShown());

    // Kept for the next time, with "Привязка к дорогам".
    map.findChild<QAction*>(QStringLiteral("SnapToRoadsAction"))->trigger();
    map.hide();
    const std::string& ini = editor.files.files[native("/races/settings.ini")];
    QVERIFY2(ini.find("Roads=1\r\n") != std::string::npos, ini.c_str());
    QVERIFY2(ini.find("SnapToRoads=1\r\n") != std::string::npos, ini.c_str());
    EditorFixture later;
    later.files.files[native("/races/settings.ini")] = ini;
    later.files.files[native("/game/models/gta3.img")] = imgArchive(syntheticNodeFiles(4));
    MapWindow& again = openMap(later, native("/game/"));
    QVERIFY(again.canvas().showRoads());
    QVERIFY(again.findChild<QAction*>(QStringLiteral("SnapToRoadsAction"))->isChecked());
    QCOMPARE(note(later).contains(QStringLiteral("дорог")), false);
}

void RouteMapTest::theExampleCircuitOnASyntheticGame() {
    EditorFixture editor;
    writeSyntheticGame(editor.files, native("/game"));
    fillVenturasCircuit(editor.mission());
    MapWindow& map = openMap(editor, native("/game/"));
    // Opened, and after any change of size, the map shows the whole race.
    map.resize(500, 400);
    QVERIFY(!map.canvas().scene().marks.empty());
    for (const RouteMark& mark : map.canvas().scene().marks) {
        QVERIFY(map.canvas().rect().contains(markPoint(map.canvas(), mark.part, mark.row)));
    }
    map.resize(800, 600);
    // QV_SCREENSHOT_DIR: where to put a picture of the map, to be looked at.
    const QByteArray folder = qgetenv("QV_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QVERIFY(map.grab().save(QString::fromLocal8Bit(folder) + "/route-map.png"));
    }
}

QTEST_MAIN(RouteMapTest)
#include "RouteMapTest.moc"
