// Pictures of the editor for the documentation, made again after any change by
// scripts/screenshots.sh:
//   editor_screenshots EXAMPLES OUT
// opens the example circuit EXAMPLES/lvcircuit.qvnx through "Открыть..." and writes into OUT
//   main-window.png    the main window with the project loaded, on its checkpoints tab
//   script-window.png  the "Mission Script" window after F5, the build's warnings below the text
//                      (the first object's model is written as its number, which draws one)
//   route-map.png      the route map over a synthetic game folder (nothing of the game is read),
//                      with its roads and the first car selected, its turn handle shown
//   map-editing.png    the same map after checkpoint 3 was dragged with "Привязка к дорогам" on:
//                      snapped to a road node, the line under the map saying where its height
//                      came from
//   main-window.en.png, script-window.en.png
//                      the first two again with the editor speaking English
// The editor runs over the GUI tests' fakes: the project is copied into a file system in memory,
// the clock is fixed and no game runs, so the pictures change only when the editor does.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <string>

#include "EditorFixture.h"
#include "GameFixtures.h"
#include "NativePath.h"
#include "RouteMapDriver.h"
#include "model/ProjectKeys.h"
#include "ui/main/EditorWindows.h"
#include "ui/main/RowReveal.h"
#include "ui/map/MapWindow.h"
#include "ui/options/OptionsWindow.h"
#include "ui/script/ScriptWindow.h"

using namespace qv;
using namespace qv::test;

namespace {

constexpr const char* Project = "lvcircuit.qvnx";
constexpr const char* ProjectParts[] = {"", ".cars", ".checkps", ".objects", ".events"};

// Copies the example project from `examples` on disk into the editor's working folder, with the
// first object's model written as a number, so that the build warns about it.
void copyExample(EditorFixture& editor, const std::string& examples) {
    for (const char* part : ProjectParts) {
        const std::string name = std::string(Project) + part;
        std::string bytes;
        if (const IoStatus read = systemFileSystem().readFile(examples + "/" + name, bytes,
                                                              project_keys::LargestFile);
            !read) {
            qFatal("%s: %s", name.c_str(), read.reason.c_str());
        }
        constexpr std::string_view Named = "Object1Model=TRAFFICCONE";
        if (const auto model = bytes.find(Named); name == Project && model != std::string::npos) {
            bytes.replace(model, Named.size(), "Object1Model=1238");
        }
        editor.files.writeFile(editor.files.currentFolder() + "/" + name, bytes);
    }
}

// Shows `window` at `size` (an empty size: the window's own, as for the fixed main window).
void showAt(QWidget& window, QSize size = {}) {
    window.showNormal();
    if (!size.isEmpty()) {
        window.resize(size);
    }
    if (!QTest::qWaitForWindowExposed(&window)) {
        qFatal("%s was not shown", qPrintable(window.objectName()));
    }
    QCoreApplication::processEvents();
}

void save(QWidget& window, const QString& folder, const char* name) {
    window.repaint();
    const QString path = folder + "/" + name;
    if (!window.grab().save(path, "PNG", 0)) {  // quality 0: the smallest file
        qFatal("cannot write %s", qPrintable(path));
    }
    std::printf("%s\n", qPrintable(path));
}

// Opens the example and takes the main window on its checkpoints tab, and the script window
// after a build, as main-window`suffix`.png and script-window`suffix`.png.
void takeMainAndScript(EditorFixture& editor, const std::string& examples, const QString& out,
                       const std::string& suffix) {
    copyExample(editor, examples);
    editor.dialogs.answerOpenFile(
        QString::fromStdString(editor.files.currentFolder() + "/" + Project));
    editor.action("OpenAction").trigger();

    ui::MainWindow& main = editor.mainWindow();
    editor.get<QTabWidget>("PageControl1").setCurrentIndex(2);  // the checkpoints
    showAt(main);
    save(main, out, ("main-window" + suffix + ".png").c_str());

    editor.action("BuildAction").trigger();
    ui::ScriptWindow& script = editor.app().scriptWindow();
    showAt(script, {900, 620});
    save(script, out, ("script-window" + suffix + ".png").c_str());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: editor_screenshots EXAMPLES OUT\n");
        return 2;
    }
    const std::string examples = argv[1];
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(out)) {
        qFatal("cannot make %s", qPrintable(out));
    }

    EditorFixture editor;
    takeMainAndScript(editor, examples, out, "");
    ui::MainWindow& main = editor.mainWindow();

    writeSyntheticGame(editor.files, native("/game"));
    static_cast<ui::OptionsWindow&>(editor.window(ui::WindowId::Options))
        .setGameFolder(native("/game/"));
    editor.action("RouteMapAction").trigger();
    auto& map = editor.get<ui::MapWindow>("RouteMap");
    showAt(map, {800, 600});
    editor.get<QCheckBox>("ShowRoads").setChecked(true);
    ui::revealRow(main, MissionPart::Cars, 1);
    map.background().loadAll();
    QCoreApplication::processEvents();
    save(map, out, "route-map.png");

    map.findChild<QAction*>(QStringLiteral("SnapToRoadsAction"))->setChecked(true);
    const QPoint checkpoint = markPoint(map.canvas(), MissionPart::Checkpoints, 3);
    drag(map.canvas(), checkpoint, checkpoint + QPoint(-50, 24));
    QCoreApplication::processEvents();
    save(map, out, "map-editing.png");
    EditorFixture english(Language::English);
    takeMainAndScript(english, examples, out, ".en");
    return 0;
}
