#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "EditorFixture.h"
#include "ExampleMissions.h"
#include "NativePath.h"
#include "gamelink/TestRunJournal.h"
#include "ui/main/ScriptWindow.h"

using qv::test::EditorFixture;
using qv::test::native;
using namespace qv::ui;

namespace {

const std::string GameScript = native("/games/SA/data/script/main.scm");
const std::string Backup = native("/games/SA/data/script/main.BAK");
const std::string GameProgram = native("/games/SA/gta_sa.exe");
const std::string Compiler = native("/sb/sanny.exe");
const std::string TestScript = native("/races/Tempscript");
const std::string UserScript = "the user's own main.scm";

// What the editor showed and the game folder held while the game ran.
struct DuringTheGame {
    bool statusShown = false;
    QString status;
    std::string gameScript;
};

// An editor with the test option on, both folders chosen, a buildable mission, and stand-ins
// for the compiler (it writes the compiled test) and the game (the player closes it after a
// while, unless `playing` says otherwise).
class TestRunEditor : public EditorFixture {
  public:
    TestRunEditor() {
        game.setRunning(false);
        files.files[GameScript] = UserScript;
        files.files[GameProgram] = "MZ";
        files.files[Compiler] = "MZ";
        qv::test::fillLosSantosSprint(mission());
        action(QStringLiteral("AMissionTestCheck")).setChecked(true);
        dialogs.answerFolder(QString::fromStdString(native("/games/SA")));
        click(QStringLiteral("BrowseGameBtn"));
        dialogs.answerFolder(QString::fromStdString(native("/sb")));
        click(QStringLiteral("BrowseSBBtn"));
        window(WindowId::Options).hide();
        dialogs.clearRecords();

        launcher.programs[Compiler].runsFor = 2;
        launcher.programs[Compiler].onStart = [this](const qv::ProgramStart&) {
            files.files[GameScript] = "compiled: " + files.files[TestScript];
        };
        launcher.programs[GameProgram].onStart = [this](const qv::ProgramStart&) {
            game.setRunning(true);
            closeGameSoon();
        };
    }

    // The player closes the game in a moment; what the editor shows meanwhile is kept.
    void closeGameSoon() {
        QTimer::singleShot(400, [this] {
            auto& status = get<QLabel>(QStringLiteral("TestRunStatus"));
            during.statusShown = status.isVisible();
            during.status = status.text();
            during.gameScript = files.files[GameScript];
            game.setRunning(false);
        });
    }

    void expectUserScriptBack() {
        QCOMPARE(files.files[GameScript], UserScript);
        QVERIFY(!files.fileExists(Backup));
        QVERIFY(!files.fileExists(TestScript));
        QVERIFY(!get<QLabel>(QStringLiteral("TestRunStatus")).isVisible());
    }

    DuringTheGame during;
};

}  // namespace

class TestRunWiringTest : public QObject {
    Q_OBJECT

  private slots:
    void withTheOptionOffABuildStartsNothing();
    void f5BuildsTestsAndPutsTheUsersScriptBack();
    void aRunningGameIsAskedForANewGameByTheScriptWindow();
    void emptyFoldersAreTheGeneralError();
    void aBuildWhileTheGameRunsShowsItsScriptButIsNotTested();
    void anInterruptedRunIsUndoneAndReportedAtStart();
};

void TestRunWiringTest::withTheOptionOffABuildStartsNothing() {
    TestRunEditor editor;
    editor.action(QStringLiteral("AMissionTestCheck")).setChecked(false);
    editor.press(QKeySequence(Qt::Key_F5));
    QVERIFY(editor.window(WindowId::Script).isVisible());
    QVERIFY(editor.launcher.starts.empty());
    QVERIFY(!editor.files.fileExists(TestScript));
    QVERIFY(editor.dialogs.messages().empty());
}

void TestRunWiringTest::f5BuildsTestsAndPutsTheUsersScriptBack() {
    TestRunEditor editor;
    editor.press(QKeySequence(Qt::Key_F5));

    QVERIFY(editor.dialogs.messages().empty());
    QCOMPARE(editor.launcher.starts.size(), size_t{2});
    QCOMPARE(editor.launcher.starts[0].program, Compiler);
    QCOMPARE(editor.launcher.starts[1].program, GameProgram);
    const std::string prefix = editor.mission().parameters().AMissionPrefix;
    QVERIFY(editor.during.gameScript.find("DEFINE MISSION 0 AT @" + prefix + "_000") !=
            std::string::npos);
    QVERIFY(editor.during.statusShown);
    QVERIFY(editor.during.status.contains(QStringLiteral("проверка скрипта миссии")));
    editor.expectUserScriptBack();
    // The script window shows the mission as built, with the user's mission number.
    const QString shown = editor.get<QPlainTextEdit>(QStringLiteral("Script")).toPlainText();
    QVERIFY(shown.contains(
        QStringLiteral("start_mission %1").arg(editor.mission().parameters().AMissionNumber)));
}

void TestRunWiringTest::aRunningGameIsAskedForANewGameByTheScriptWindow() {
    TestRunEditor editor;
    editor.game.setRunning(true);
    editor.closeGameSoon();
    editor.press(QKeySequence(Qt::Key_F5));

    QCOMPARE(editor.launcher.starts.size(), size_t{1});
    QCOMPARE(editor.dialogs.messages().size(), size_t{1});
    const auto& shown = editor.dialogs.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Quorvane"));
    QCOMPARE(shown.text, QStringLiteral("Чтобы проверить скрипт миссии, переключитесь в GTA: San "
                                        "Andreas и начните новую игру."));
    QCOMPARE(shown.icon, MessageIcon::Information);
    QCOMPARE(shown.buttons, MessageButtons(MessageButton::Ok));
    QCOMPARE(shown.owner.data(), &editor.window(WindowId::Script));
    QVERIFY(editor.during.statusShown);
    editor.expectUserScriptBack();
}

void TestRunWiringTest::emptyFoldersAreTheGeneralError() {
    TestRunEditor editor;
    editor.files.files.erase(GameProgram);
    editor.press(QKeySequence(Qt::Key_F5));
    const auto& shown = editor.dialogs.lastMessage();
    QCOMPARE(shown.text, QStringLiteral("Ошибка."));
    QCOMPARE(shown.icon, MessageIcon::Error);
    QVERIFY(editor.window(WindowId::Script).isVisible());
    QVERIFY(editor.launcher.starts.empty());
    QCOMPARE(editor.files.files[GameScript], UserScript);
}

void TestRunWiringTest::aBuildWhileTheGameRunsShowsItsScriptButIsNotTested() {
    TestRunEditor editor;
    editor.mission().appendCar({"BANSHEE", "1.0", "2.0", "3.0", "0.0", {}});
    QTimer::singleShot(250, [&editor] {
        editor.get<QPlainTextEdit>(QStringLiteral("Script")).setPlainText({});
        editor.press(QKeySequence(Qt::Key_F5));
    });
    editor.press(QKeySequence(Qt::Key_F5));

    QCOMPARE(editor.dialogs.messages().size(), size_t{1});
    QVERIFY(editor.dialogs.lastMessage().text.contains(QStringLiteral("уже идёт")));
    QVERIFY(editor.get<QPlainTextEdit>(QStringLiteral("Script"))
                .toPlainText()
                .contains(QStringLiteral("BANSHEE")));
    QCOMPARE(editor.launcher.starts.size(), size_t{2});
    editor.expectUserScriptBack();
}

void TestRunWiringTest::anInterruptedRunIsUndoneAndReportedAtStart() {
    TestRunEditor editor;
    // What a run killed while the game ran leaves behind.
    editor.files.files[Backup] = UserScript;
    editor.files.files[GameScript] = "compiled";
    editor.files.files[TestScript] = "test script";
    qv::TestRunJournal journal(editor.files, qv::TestRunJournal::pathIn(native("/races")));
    QVERIFY(journal.record({qv::TestRunStage::Moved, GameScript, Backup, TestScript}));

    // The next start of the program.
    EditorApp restarted(
        {editor.files, editor.dialogs, editor.game, EditorFixture::fixedTime, &editor.launcher});
    QCOMPARE(editor.files.files[GameScript], UserScript);
    QVERIFY(!journal.exists());
    QTRY_COMPARE(editor.dialogs.messages().size(), size_t{1});
    const auto& shown = editor.dialogs.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Quorvane"));
    QVERIFY(shown.text.contains(QStringLiteral("прервана")));
    QCOMPARE(shown.icon, MessageIcon::Warning);
}

QTEST_MAIN(TestRunWiringTest)
#include "TestRunWiringTest.moc"
