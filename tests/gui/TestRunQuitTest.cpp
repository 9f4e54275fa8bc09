// Quitting the editor while a test run waits for the game. The application's exit stops every
// event loop of this test program for good, so this is a program of its own.
#include <QAction>
#include <QTest>
#include <QTimer>

#include "EditorFixture.h"
#include "ExampleMissions.h"
#include "NativePath.h"
#include "ui/options/QtEventPump.h"

using qv::test::EditorFixture;
using qv::test::native;
using namespace qv::ui;

class TestRunQuitTest : public QObject {
    Q_OBJECT

  private slots:
    void quittingWhileTheGameRunsPutsTheUsersScriptBack();
};

void TestRunQuitTest::quittingWhileTheGameRunsPutsTheUsersScriptBack() {
    EditorFixture editor;
    const std::string gameScript = native("/games/SA/data/script/main.scm");
    const std::string compiler = native("/sb/sanny.exe");
    editor.files.files[gameScript] = "the user's own main.scm";
    editor.files.files[native("/games/SA/gta_sa.exe")] = "MZ";
    editor.files.files[compiler] = "MZ";
    editor.launcher.programs[compiler].onStart = [&](const qv::ProgramStart&) {
        editor.files.files[gameScript] = "compiled";
    };
    editor.game.setRunning(true);
    qv::test::fillLosSantosSprint(editor.mission());
    editor.mission().markSaved();
    editor.action(QStringLiteral("AMissionTestCheck")).setChecked(true);
    editor.dialogs.answerFolder(QString::fromStdString(native("/games/SA")));
    editor.click(QStringLiteral("BrowseGameBtn"));
    editor.dialogs.answerFolder(QString::fromStdString(native("/sb")));
    editor.click(QStringLiteral("BrowseSBBtn"));

    // The user closes the editor and confirms while the game still runs.
    QTimer::singleShot(300, [&editor] { editor.mainWindow().close(); });
    editor.press(QKeySequence(Qt::Key_F5));

    QVERIFY(editor.game.gameWindowExists());
    QCOMPARE(editor.files.files[gameScript], std::string("the user's own main.scm"));
    QVERIFY(!editor.files.fileExists(native("/games/SA/data/script/main.BAK")));
    QCOMPARE(editor.dialogs.lastMessage().title, QStringLiteral("Выход"));

    // From now on the pump only sleeps.
    QtEventPump pump;
    QVERIFY(!pump.pumpFor(std::chrono::milliseconds(10)));
}

QTEST_MAIN(TestRunQuitTest)
#include "TestRunQuitTest.moc"
