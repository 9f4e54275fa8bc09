#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>
#include <functional>

#include "EditorFixture.h"
#include "ExampleMissions.h"
#include "GameFixtures.h"
#include "NativePath.h"
#include "PeFixture.h"
#include "RouteMapDriver.h"
#include "TestRunEditor.h"
#include "VisibleTexts.h"
#include "gamelink/GameMemoryLayout.h"
#include "model/ProjectFile.h"
#include "ui/map/MapCanvas.h"
#include "ui/map/MapWindow.h"

// Every window and dialog of the editor, and every message box a test can raise, read in each
// language: under English no Russian letter is left; under Russian no English of the catalogue
// stands where the Russian text belongs.

using namespace qv;
using namespace qv::test;
using qv::ui::MessageButton;
using qv::ui::WindowId;

namespace {

constexpr int Infernus = 411;

// The texts of a walk through the editor.
class Walk {
  public:
    explicit Walk(Language language) : language_(language) {}

    Language language() const { return language_; }

    // Takes in what every window on screen shows now (every window, shown or not, with
    // `everyWindow`), every message box asked for so far and the prompts of the file and folder
    // dialogs.
    void look(const EditorFixture& editor, bool everyWindow = false) {
        QApplication::processEvents();
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (everyWindow || window->isVisible()) {
                addTexts(texts, visibleTexts(*window));
            }
        }
        for (const ShownMessage& message : editor.dialogs.messages()) {
            addTexts(texts, visibleTexts(message));
        }
        for (const QString& prompt : editor.dialogs.folderPrompts()) {
            addTexts(texts,
                     {{QStringLiteral("folder dialog"), {}, QStringLiteral("prompt"), prompt}});
        }
        for (const auto* requests :
             {&editor.dialogs.openRequests(), &editor.dialogs.saveRequests()}) {
            for (const ui::FileRequest& request : *requests) {
                addTexts(texts, {{QStringLiteral("file dialog"),
                                  {},
                                  QStringLiteral("filter"),
                                  request.filter}});
            }
        }
    }

    std::vector<VisibleText> texts;

  private:
    Language language_;
};

QString inFolder(const EditorFixture& editor, const char* name) {
    return QString::fromStdString(editor.files.currentFolder() + "/" + name);
}

// Opens the example circuit through the open dialog (its summary is shown).
void openCircuit(EditorFixture& editor) {
    Mission saved;
    fillVenturasCircuit(saved);
    saveProject(saved, inFolder(editor, "lvcircuit.qvnx").toStdString(), editor.files);
    editor.dialogs.answerOpenFile(inFolder(editor, "lvcircuit.qvnx"));
    editor.action(QStringLiteral("OpenAction")).trigger();
}

// The main window with each of its tabs, and each of the other windows with a row to show.
void walkWindows(Walk& walk, EditorFixture& editor) {
    editor.showMainWindow();
    QTabWidget& tabs = editor.mainWindow().tabs();
    for (int tab = 0; tab < tabs.count(); ++tab) {
        tabs.setCurrentIndex(tab);
        walk.look(editor);
    }
    for (const WindowId id :
         {WindowId::AddCar, WindowId::AddCheckp, WindowId::AddObject, WindowId::AddEvent}) {
        editor.app().openRowInserter(id, 0);
        walk.look(editor);
        editor.window(id).hide();
    }
    for (const WindowId id : {WindowId::ModifyCar, WindowId::ModifyCheckp, WindowId::ModifyObject,
                              WindowId::ModifyEvent}) {
        editor.app().openRowEditor(id, 1);
        walk.look(editor);
        editor.window(id).hide();
    }
    for (const WindowId id :
         {WindowId::Objects, WindowId::Events, WindowId::About, WindowId::Options}) {
        editor.app().showWindow(id);
        walk.look(editor);
        editor.window(id).hide();
    }
}

// The script window with its warnings, and the note of a script saved.
void walkScript(Walk& walk, EditorFixture& editor) {
    editor.mission().appendCar({"TRAM", "1.0", "2.0", "3.0", "0.0", {}});
    editor.mission().appendObject({"1225", "1.0", "2.0", "3.0", "0.0"});
    editor.press(QKeySequence(Qt::Key_F5));
    walk.look(editor);
    editor.dialogs.answerSaveFile(inFolder(editor, "race.txt"));
    editor.click(QStringLiteral("SaveScriptBtn"));
    walk.look(editor);
    editor.window(WindowId::Script).hide();
}

// The route map without a game folder, then on a synthetic game with the mouse over it, the
// roads and the player shown.
void walkMap(Walk& walk, EditorFixture& editor) {
    ui::MapWindow& bare = openMap(editor, {}, {});
    walk.look(editor);
    bare.hide();
    writeSyntheticGame(editor.files, native("/game"));
    ui::MapWindow& map = openMap(editor, native("/game/"));
    ui::MapCanvas& canvas = map.canvas();
    editor.click(QStringLiteral("ShowRoads"));
    editor.click(QStringLiteral("ShowPlayer"));
    QTest::mouseMove(&canvas, canvas.rect().center());
    QTest::mouseMove(&canvas, markPoint(canvas, MissionPart::Checkpoints, 1));
    walk.look(editor);
    editor.game.setRunning(false);
    QTest::qWait(300);
    walk.look(editor);
    editor.game.setRunning(true);
    map.hide();
}

// Closes the window named `name`, if there is one.
void closeWindow(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name)) {
            window->close();
        }
    }
}

// The route recorder, with the game and without it.
void walkRecorder(Walk& walk, EditorFixture& editor) {
    editor.game.setRunning(false);
    editor.action(QStringLiteral("RouteRecorderAction")).trigger();
    walk.look(editor);
    closeWindow("RouteRecorder");
    editor.game.setRunning(true);
    editor.game.placeVehicle(0, 0, 10, 270, Infernus, 0);
    editor.action(QStringLiteral("RouteRecorderAction")).trigger();
    QTest::qWait(200);
    walk.look(editor);
    closeWindow("RouteRecorder");
    closeWindow("RouteMap");
}

// The questions and refusals of the main window: unsaved changes, a project that cannot be
// read, a save that fails, a position that cannot be captured.
void walkMainMessages(Walk& walk, EditorFixture& editor) {
    editor.dialogs.answerMessage(MessageButton::Cancel);
    editor.action(QStringLiteral("OpenAction")).trigger();
    editor.dialogs.answerMessage(MessageButton::Cancel);
    editor.action(QStringLiteral("ExitAction")).trigger();
    editor.dialogs.answerMessage(MessageButton::No);
    editor.dialogs.answerOpenFile(inFolder(editor, "none.qvnx"));
    editor.action(QStringLiteral("OpenAction")).trigger();
    editor.files.failWrite(1);
    editor.dialogs.answerSaveFile(inFolder(editor, "race.qvnx"));
    editor.action(QStringLiteral("SaveAsAction")).trigger();

    editor.game.setRunning(false);
    editor.click(QStringLiteral("GetCoordBtn1"));
    editor.game.setRunning(true);
    editor.game.writeUInt32(game_memory::PlayerPointer, 0);
    editor.game.writeUInt32(game_memory::FallbackPointer, 0);
    editor.click(QStringLiteral("GetCoordBtn1"));
    walk.look(editor);
}

// The options window's warnings and refusals: the test run's version, a wrong game folder,
// an old and an unknown Sanny Builder, settings that cannot be written.
void walkOptions(Walk& walk) {
    EditorFixture editor(walk.language());
    editor.files.files[native("/sb2/sanny.exe")] = peWithVersion({2, 99, 0, 0}).bytes;
    editor.files.files[native("/odd/sanny.exe")] = "MZ, but no program";
    editor.files.files[native("/games/SA/gta_sa.exe")] = "MZ";
    editor.showMainWindow();
    editor.action(QStringLiteral("OptionsAction")).trigger();
    editor.click(QStringLiteral("AMissionTest"));
    editor.dialogs.answerFolder(QString::fromStdString(native("/games/SA")));
    editor.click(QStringLiteral("BrowseGameBtn"));
    editor.dialogs.answerFolder(QString::fromStdString(native("/odd")));
    editor.click(QStringLiteral("BrowseSBBtn"));
    walk.look(editor);
    editor.dialogs.answerFolder(QString::fromStdString(native("/sb2")));
    editor.click(QStringLiteral("BrowseSBBtn"));
    walk.look(editor);
    editor.files.readOnly.insert(native("/races/settings.ini.tmp"));
    editor.click(QStringLiteral("Button4"));
    walk.look(editor);
}

// Each rule of the input check broken in turn, and a check that passes.
void walkInputCheck(Walk& walk) {
    const std::function<void(Mission&)> breaks[] = {
        [](Mission&) {},
        [](Mission& m) {
            MissionParameters p = m.parameters();
            p.AStartX = "east";
            m.setParameters(p);
        },
        [](Mission& m) {
            while (m.carCount() > 1) {
                m.removeRow(MissionPart::Cars, m.carCount());
            }
        },
        [](Mission& m) {
            CarEntry car = m.car(2);
            car.Model.clear();
            m.changeCar(2, car);
        },
        [](Mission& m) {
            CarEntry car = m.car(2);
            car.Model = "ELEGY!";
            m.changeCar(2, car);
        },
        [](Mission& m) {
            while (m.checkpointCount() > 0) {
                m.removeRow(MissionPart::Checkpoints, m.checkpointCount());
            }
            MissionParameters p = m.parameters();
            p.ARaceType = qv::Sprint;
            m.setParameters(p);
        },
        [](Mission& m) {
            while (m.checkpointCount() > 1) {
                m.removeRow(MissionPart::Checkpoints, m.checkpointCount());
            }
        },
    };
    for (const auto& breakRule : breaks) {
        EditorFixture editor(walk.language());
        fillVenturasCircuit(editor.mission());
        breakRule(editor.mission());
        editor.action(QStringLiteral("CheckAction")).trigger();
        editor.press(QKeySequence(Qt::Key_F5));
        walk.look(editor);
    }
}

// A test run: its status as it goes, a game already running, a build while one runs, and a
// missing program.
void walkTestRun(Walk& walk) {
    {
        TestRunEditor editor(walk.language());
        editor.launcher.programs[Compiler].runsFor = 5;
        editor.press(QKeySequence(Qt::Key_F5));
        walk.look(editor);
        QTRY_COMPARE_WITH_TIMEOUT(editor.launcher.starts.size(), size_t{2}, 10000);
        walk.look(editor);
        editor.press(QKeySequence(Qt::Key_F5));
        walk.look(editor);
        editor.game.setRunning(false);
        QTRY_VERIFY_WITH_TIMEOUT(editor.status().text().isEmpty(), 10000);
        walk.look(editor);
    }
    {
        TestRunEditor editor(walk.language());
        editor.game.setRunning(true);
        editor.press(QKeySequence(Qt::Key_F5));
        QTRY_VERIFY_WITH_TIMEOUT(!editor.dialogs.messages().empty(), 10000);
        walk.look(editor);
        editor.game.setRunning(false);
        QTRY_VERIFY_WITH_TIMEOUT(editor.status().text().isEmpty(), 10000);
    }
    {
        TestRunEditor editor(walk.language());
        editor.files.files.erase(GameProgram);
        editor.press(QKeySequence(Qt::Key_F5));
        walk.look(editor);
    }
}

std::vector<VisibleText> walkEverything(Language language) {
    Walk walk(language);
    {
        EditorFixture editor(language);
        openCircuit(editor);
        walkWindows(walk, editor);
        walkScript(walk, editor);
        walkMap(walk, editor);
        walkRecorder(walk, editor);
        walkMainMessages(walk, editor);
        walk.look(editor, true);
    }
    walkOptions(walk);
    walkInputCheck(walk);
    walkTestRun(walk);
    return walk.texts;
}

// Prints the texts found, one a line (the first few of each widget's part), and fails the test
// with their count.
void report(const std::vector<VisibleText>& found, const char* what) {
    constexpr int Shown = 4;
    QHash<QString, int> seen;
    for (const VisibleText& text : found) {
        // "row 1.2 column 0" and "item 7" are parts of one kind.
        const QString kind =
            text.widget + QStringLiteral(" (") +
            QString(text.part).remove(QRegularExpression(QStringLiteral("[\\d.]+"))) + ')';
        const int count = ++seen[kind];
        if (count <= Shown) {
            qInfo().noquote() << "  " << text.describe();
        }
    }
    for (auto kind = seen.cbegin(); kind != seen.cend(); ++kind) {
        if (kind.value() > Shown) {
            qInfo().noquote() << QStringLiteral("   ... and %1 more of %2")
                                     .arg(kind.value() - Shown)
                                     .arg(kind.key());
        }
    }
    if (!found.empty()) {
        QFAIL(qPrintable(QStringLiteral("%1 %2 (listed above as [window] widget (part): "
                                        "\"text\")")
                             .arg(found.size())
                             .arg(QString::fromLatin1(what))));
    }
}

// The English of every text the catalogue translates into something else, less the texts that
// are some Russian text's own words (a title such as "Mission Script").
QSet<QString> catalogueEnglish() {
    QFile file(QStringLiteral(QV_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("the catalogue cannot be read");
    }
    QSet<QString> english;
    QSet<QString> sources;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
            sources.insert(source);
        } else if (xml.name() == QLatin1String("translation") &&
                   xml.attributes().value(QLatin1String("type")).isEmpty()) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!text.isEmpty() && text != source) {
                english.insert(text);
            }
        } else if (xml.name() == QLatin1String("numerusform")) {
            english.insert(xml.readElementText());
        }
    }
    return english.subtract(sources);
}

}  // namespace

class LanguageWalkTest : public QObject {
    Q_OBJECT

  private slots:
    void underEnglishNoTextIsRussian();
    void underRussianNoTextIsTheCataloguesEnglish();
};

void LanguageWalkTest::underEnglishNoTextIsRussian() {
    // The choice of language reads the same in every language, so that a user who cannot read
    // the one shown finds it, and each language is named in its own words.
    const QSet<QString> spokenInEveryLanguage = {QStringLiteral("Язык / Language"),
                                                 QStringLiteral("Как в системе / System"),
                                                 QStringLiteral("Русский")};
    const std::vector<VisibleText> texts = walkEverything(Language::English);
    QVERIFY(texts.size() > 300);
    std::vector<VisibleText> russian;
    for (const VisibleText& text : texts) {
        if (hasCyrillic(text.text) && !spokenInEveryLanguage.contains(text.text)) {
            russian.push_back(text);
        }
    }
    report(russian, "texts are still Russian under English");
}

void LanguageWalkTest::underRussianNoTextIsTheCataloguesEnglish() {
    const QSet<QString> english = catalogueEnglish();
    const std::vector<VisibleText> texts = walkEverything(Language::Russian);
    QVERIFY(texts.size() > 300);
    std::vector<VisibleText> untranslated;
    for (const VisibleText& text : texts) {
        if (english.contains(text.text)) {
            untranslated.push_back(text);
        }
    }
    report(untranslated, "texts are the catalogue's English under Russian");
}

QTEST_MAIN(LanguageWalkTest)
#include "LanguageWalkTest.moc"
