// The lines the route map, the script window and the recorder make from a text and its figures:
// in Russian they read as they always have, and under English they reach the widgets in English
// (a text looked up under another name than the catalogue's would stay Russian).
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "RouteMapDriver.h"
#include "VisibleTexts.h"
#include "ui/main/EditorWindows.h"
#include "ui/main/Startup.h"

using namespace qv;
using namespace qv::test;
using ui::MapWindow;

namespace {

// What the line under the map says with the mouse over mark (`part`, `row`).
QString hoverLine(EditorFixture& editor, MapWindow& map, MissionPart part, int row) {
    const QPointF over = markPoint(map.canvas(), part, row);
    QMouseEvent move(QEvent::MouseMove, over, map.canvas().mapToGlobal(over), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&map.canvas(), &move);
    return editor.get<QLabel>("MapPosition").text();
}

// A race whose first car is the player's, its map open without a game folder, the script window
// made and the recorder asked to start with no game running.
struct ShownViews {
    EditorFixture editor;
    MapWindow* map = nullptr;

    explicit ShownViews(Language language = Language::Russian) : editor(language) {
        addRace(editor.mission());
        MissionParameters parameters = editor.mission().parameters();
        parameters.PlayerCarNumber = 1;
        editor.mission().setParameters(parameters);
        map = &openMap(editor);
        editor.window(ui::WindowId::Script);
        editor.action("RouteRecorderAction").trigger();
        editor.click("RecordStartBtn");
    }
    QString label(const char* name) const {
        return editor.get<QLabel>(QString::fromLatin1(name)).text();
    }
    // The height note of a checkpoint added from the map's menu (where the first car stands).
    QString addedHeight() const {
        map->findChild<QAction*>(QStringLiteral("AddCheckpointHereAction"))->trigger();
        return label("MapHeight");
    }
};

}  // namespace

class ViewTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { ui::installTranslations(*qApp, Language::Russian); }
    void theLinesWithFiguresReadWholeInEitherLanguage();
};

void ViewTextsTest::theLinesWithFiguresReadWholeInEitherLanguage() {
    {
        ShownViews views;
        QVERIFY(hoverLine(views.editor, *views.map, MissionPart::Cars, 1)
                    .endsWith(QStringLiteral("Машина 1 (игрока): INFERNUS")));
        QVERIFY(hoverLine(views.editor, *views.map, MissionPart::Cars, 2)
                    .endsWith(QStringLiteral("Машина 2: BANSHEE")));
        QCOMPARE(views.label("CompilerMode"),
                 QStringLiteral("Режим Sanny Builder: GTA SA (v1.0 - SA)"));
    }

    ShownViews views(Language::English);
    QVERIFY(hoverLine(views.editor, *views.map, MissionPart::Cars, 1)
                .endsWith(QStringLiteral("Car 1 (player's): INFERNUS")));
    QCOMPARE(views.label("CompilerMode"), QStringLiteral("Sanny Builder mode: GTA SA (v1.0 - SA)"));
    const QString lines[] = {
        hoverLine(views.editor, *views.map, MissionPart::Parameters, 0),
        hoverLine(views.editor, *views.map, MissionPart::Checkpoints, 2),
        hoverLine(views.editor, *views.map, MissionPart::Objects, 1),
        views.addedHeight(),
        views.label("MapBackgroundNote"),
        views.editor.get<QGroupBox>("WarningsPanel").title(),
        views.label("RecordStatus"),
        views.label("RecordTime"),
        views.label("RecordDistance"),
        views.label("RecordSpeed"),
        views.label("RecordCheckpoints"),
        views.label("RecordCars"),
    };
    for (const QString& line : lines) {
        QVERIFY2(!line.isEmpty() && !hasCyrillic(line), qPrintable(line));
    }
}

QTEST_MAIN(ViewTextsTest)
#include "ViewTextsTest.moc"
