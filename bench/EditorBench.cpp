#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>

#include "EditorFixture.h"
#include "LargestMission.h"
#include "ui/main/ScriptWindow.h"

namespace {

// F5 on the largest mission: the input check, the script generated and set into the
// "Mission Script" window, and the window painted with it.
void BM_BuildLargestMission(benchmark::State& state) {
    qv::test::EditorFixture editor;
    qv::test::fillLargestMission(editor.mission());
    editor.showMainWindow();
    QAction& build = editor.action(QStringLiteral("BuildAction"));
    qv::ui::ScriptWindow& window = editor.app().scriptWindow();
    qsizetype characters = 0;
    for (auto _ : state) {
        build.trigger();
        QCoreApplication::processEvents();
        window.repaint();
        characters = window.script().document()->characterCount();
    }
    if (!editor.dialogs.messages().empty()) {
        state.SkipWithError("the build showed a message");
    }
    state.counters["script_characters"] = static_cast<double>(characters);
}
BENCHMARK(BM_BuildLargestMission)->Unit(benchmark::kMillisecond);

// One undo and one redo through "Правка" on the largest mission while the car tree is shown: a
// car moved from the first place to the last, every row renumbered in the views, and the main
// window painted.
void BM_UndoAndRedoLargestMission(benchmark::State& state) {
    qv::test::EditorFixture editor;
    qv::test::fillLargestMission(editor.mission());
    editor.showMainWindow();
    editor.mainWindow().showTab(qv::MissionTab::CarsParameters);
    editor.mission().moveRow(qv::MissionPart::Cars, 1, editor.mission().carCount());
    QAction& undo = editor.action(QStringLiteral("UndoAction"));
    QAction& redo = editor.action(QStringLiteral("RedoAction"));
    editor.mainWindow().repaint();  // the first painting lays out every line once
    for (auto _ : state) {
        undo.trigger();
        redo.trigger();
        QCoreApplication::processEvents();
        editor.mainWindow().repaint();
    }
}
BENCHMARK(BM_UndoAndRedoLargestMission)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
