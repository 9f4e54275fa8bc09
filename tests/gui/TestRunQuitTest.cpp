// Quitting the editor while a test run waits: once the event loop has ended, the program's end
// finishes the run on the spot.
#include <QProgressDialog>
#include <QTimer>

#include "TestRunEditor.h"

using namespace qv::test;  // the fixture and the paths
using namespace qv::ui;

namespace {

// The editor of a test run; the game already runs.
struct QuittingEditor : TestRunEditor {
    QuittingEditor() {
        game.setRunning(true);
        mission().markSaved();
    }

    // The user closes the editor and confirms; the program ends.
    void quit() {
        mainWindow().close();
        QCOMPARE(dialogs.lastMessage().title, QStringLiteral("Выход"));
        endProgram();
    }

    void expectNothingLeft() {
        QCOMPARE(files.files[GameScript], UserScript);
        QVERIFY(!files.fileExists(Backup));
        QVERIFY(!files.fileExists(TestScript));
        QVERIFY(!files.fileExists(Journal));
    }
};

}  // namespace

class TestRunQuitTest : public QObject {
    Q_OBJECT

  private slots:
    void quittingWhileTheGameRunsPutsTheUsersScriptBack();
    void quittingWhileTheCompilerWorksWaitsForItsOutputAndStartsNoGame();
};

void TestRunQuitTest::quittingWhileTheGameRunsPutsTheUsersScriptBack() {
    QuittingEditor editor;
    editor.press(QKeySequence(Qt::Key_F5));
    QTRY_COMPARE(editor.dialogs.messages().size(), size_t{1});
    QVERIFY(editor.dialogs.lastMessage().text.startsWith(QStringLiteral("Чтобы проверить")));
    editor.quit();
    QVERIFY(editor.game.gameWindowExists());
    editor.expectNothingLeft();
}

void TestRunQuitTest::quittingWhileTheCompilerWorksWaitsForItsOutputAndStartsNoGame() {
    QuittingEditor editor;
    editor.game.setRunning(false);
    editor.launcher.programs[Compiler].runsFor = 5;
    editor.press(QKeySequence(Qt::Key_F5));
    // The wait happens as the user closes the editor, in a box naming what it waits for.
    QString shown;
    QTimer::singleShot(0, [&] {
        const auto* box = editor.mainWindow().findChild<QProgressDialog*>("ExitWaitBox");
        shown = box != nullptr && box->isVisible() ? box->labelText() : QString();
    });
    editor.mainWindow().close();
    QVERIFY(shown.contains(QStringLiteral("Sanny Builder")));
    QCOMPARE(editor.launcher.starts.size(), size_t{1});
    editor.expectNothingLeft();
    QVERIFY(editor.mainWindow().findChild<QProgressDialog*>("ExitWaitBox") == nullptr);
    editor.endProgram();
}

QTEST_MAIN(TestRunQuitTest)
#include "TestRunQuitTest.moc"
