#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

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

// The same, then the script scrolled to its last line and painted there: the colouring of the
// whole text is done by then.
void BM_BuildLargestMissionAndScrollToTheEnd(benchmark::State& state) {
    qv::test::EditorFixture editor;
    qv::test::fillLargestMission(editor.mission());
    editor.showMainWindow();
    QAction& build = editor.action(QStringLiteral("BuildAction"));
    qv::ui::ScriptWindow& window = editor.app().scriptWindow();
    QPlainTextEdit& script = window.script();
    for (auto _ : state) {
        build.trigger();
        QCoreApplication::processEvents();
        window.repaint();
        script.verticalScrollBar()->setValue(script.verticalScrollBar()->maximum());
        script.viewport()->repaint();
    }
    const QTextBlock last = script.document()->lastBlock().previous();
    if (last.layout()->formats().isEmpty()) {
        state.SkipWithError("the last line of the script is not coloured");
    }
    state.counters["script_lines"] = script.blockCount();
}
BENCHMARK(BM_BuildLargestMissionAndScrollToTheEnd)->Unit(benchmark::kMillisecond);

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
