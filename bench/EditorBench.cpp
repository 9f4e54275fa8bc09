#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "EditorFixture.h"
#include "LargestMission.h"
#include "ui/script/ScriptFindBar.h"
#include "ui/script/ScriptWindow.h"

namespace {

// F5 on the largest mission: the input check, the script generated, coloured and set into the
// "Mission Script" window with its warnings, and the window painted with it. With the argument
// 1, the script is then also scrolled to its last line and painted there.
void BM_BuildLargestMission(benchmark::State& state) {
    qv::test::EditorFixture editor;
    qv::test::fillLargestMission(editor.mission());
    editor.showMainWindow();
    QAction& build = editor.action(QStringLiteral("BuildAction"));
    qv::ui::ScriptWindow& window = editor.app().scriptWindow();
    QPlainTextEdit& script = window.script();
    const bool scroll = state.range(0) != 0;
    for (auto _ : state) {
        build.trigger();
        QCoreApplication::processEvents();
        window.repaint();
        if (scroll) {
            script.verticalScrollBar()->setValue(script.verticalScrollBar()->maximum());
            script.viewport()->repaint();
        }
    }
    if (!editor.dialogs.messages().empty()) {
        state.SkipWithError("the build showed a message");
    }
    // The last line of text (the script ends with a line break) is coloured too.
    if (script.document()->lastBlock().previous().layout()->formats().isEmpty()) {
        state.SkipWithError("the end of the script is not coloured");
    }
    state.counters["script_characters"] = static_cast<double>(script.document()->characterCount());
}
BENCHMARK(BM_BuildLargestMission)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One keystroke into the script window's find field on the script of the largest mission: the
// matches counted, the next one selected and scrolled to, those in view marked, the text painted.
void BM_FindKeystrokeLargestMission(benchmark::State& state) {
    qv::test::EditorFixture editor;
    qv::test::fillLargestMission(editor.mission());
    editor.showMainWindow();
    editor.action(QStringLiteral("BuildAction")).trigger();
    qv::ui::ScriptWindow& window = editor.app().scriptWindow();
    window.findBar().open();
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("FindText"));
    int letter = 0;
    for (auto _ : state) {
        // "0", "00", "000", ... and back: each keystroke a search with thousands of matches.
        field->setText(QString(1 + letter++ % 4, QLatin1Char('0')));
        window.script().viewport()->repaint();
    }
    state.counters["matches"] = window.findBar().matchCount();
}
BENCHMARK(BM_FindKeystrokeLargestMission)->Unit(benchmark::kMillisecond);

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
