#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "TestRunEditor.h"
#include "gamelink/TestRunJournal.h"
#include "ui/script/ScriptWindow.h"

using namespace qv::test;  // the fixtures and the paths
using namespace qv::ui;

class TestRunWiringTest : public QObject {
    Q_OBJECT

  private slots:
    void withTheOptionOffABuildStartsNothing();
    void f5BuildsTestsAndPutsTheUsersScriptBack();
    void aRunningGameIsAskedForANewGameByTheScriptWindow();
    void aMissingProgramIsTheGeneralErrorSayingWhereToSetIt();
    void aBuildWhileTheGameRunsShowsItsScriptButIsNotTested();
    void theBuildReturnsAtOnceAndTheRunGoesOnBeneathOtherCommands();
    void anInterruptedRunIsUndoneAndReportedAtStart();
    void anInterruptedRunWhoseCompilerStillWorksIsWaitedFor();
    void theWaitForAnInterruptedRunCanBeCancelled();
    void quittingWhileTheWaitLastsSaysMainScmStaysTheTestScript();
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
    editor.playTheGame();

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
    editor.press(QKeySequence(Qt::Key_F5));
    editor.playTheGame();

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

void TestRunWiringTest::aMissingProgramIsTheGeneralErrorSayingWhereToSetIt() {
    TestRunEditor editor;
    editor.files.files.erase(GameProgram);
    editor.press(QKeySequence(Qt::Key_F5));
    const auto& shown = editor.dialogs.lastMessage();
    QCOMPARE(shown.text, QStringLiteral("Ошибка.\nНет файла %1: «Файл» → «Настройки программы...» "
                                        "(F10)")
                             .arg(QString::fromStdString(GameProgram)));
    QCOMPARE(shown.icon, MessageIcon::Error);
    // Owned by the script window, so that it stays in front of the main window.
    QCOMPARE(shown.owner.data(), &editor.window(WindowId::Script));
    QVERIFY(editor.window(WindowId::Script).isVisible());
    QVERIFY(editor.launcher.starts.empty());
    QCOMPARE(editor.files.files[GameScript], UserScript);
}

void TestRunWiringTest::aBuildWhileTheGameRunsShowsItsScriptButIsNotTested() {
    TestRunEditor editor;
    editor.press(QKeySequence(Qt::Key_F5));
    editor.waitForTheGame();
    editor.mission().appendCar({"BANSHEE", "1.0", "2.0", "3.0", "0.0", {}});
    editor.get<QPlainTextEdit>(QStringLiteral("Script")).setPlainText({});
    editor.press(QKeySequence(Qt::Key_F5));

    QCOMPARE(editor.dialogs.messages().size(), size_t{1});
    QVERIFY(editor.dialogs.lastMessage().text.contains(QStringLiteral("уже идёт")));
    QVERIFY(editor.get<QPlainTextEdit>(QStringLiteral("Script"))
                .toPlainText()
                .contains(QStringLiteral("BANSHEE")));
    editor.closeTheGame();
    QCOMPARE(editor.launcher.starts.size(), size_t{2});
    editor.expectUserScriptBack();
}

void TestRunWiringTest::theBuildReturnsAtOnceAndTheRunGoesOnBeneathOtherCommands() {
    TestRunEditor editor;
    editor.launcher.programs[Compiler].runsFor = 5;
    editor.press(QKeySequence(Qt::Key_F5));
    // The build command is over while the compiler works; the user goes on working.
    QVERIFY(editor.status().text().contains(QStringLiteral("компилирует")));
    editor.action(QStringLiteral("CheckAction")).trigger();
    QVERIFY(editor.dialogs.messages().empty());
    editor.playTheGame();
    QCOMPARE(editor.launcher.starts.size(), size_t{2});
    editor.expectUserScriptBack();
}

void TestRunWiringTest::anInterruptedRunIsUndoneAndReportedAtStart() {
    TestRunEditor editor;
    // What a run killed while the game ran leaves behind.
    editor.files.files[Backup] = UserScript;
    editor.files.files[GameScript] = "compiled";
    editor.files.files[TestScript] = "test script";
    qv::TestRunJournal journal(editor.files, qv::TestRunJournal::pathIn(Working));
    QVERIFY(
        journal.record({qv::TestRunStage::Moved, GameScript, Backup, TestScript, {}, {}, {}, {}}));

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

namespace {

// The files as a run killed while its compiler worked leaves them, the compiler still working.
struct KilledWhileCompiling : TestRunEditor {
    KilledWhileCompiling() {
        files.files[Backup] = UserScript;
        files.files.erase(GameScript);
        files.files[TestScript] = "test script";
        QVERIFY(journal.record(
            {qv::TestRunStage::Moved, GameScript, Backup, TestScript, compiler, {}, {}, {}}));
        launcher.running = {compiler};
    }

    // The next start of the program.
    std::unique_ptr<EditorApp> restart() {
        auto restarted = std::make_unique<EditorApp>(
            qv::ui::EditorServices{files, dialogs, game, EditorFixture::fixedTime, &launcher});
        restarted->mainWindow().show();
        return restarted;
    }

    void expectUntouched() {
        QVERIFY(!files.fileExists(GameScript));
        QCOMPARE(files.files[Backup], UserScript);
        QVERIFY(journal.exists());
    }

    const qv::ProcessIdentity compiler{7, 77};
    qv::TestRunJournal journal{files, qv::TestRunJournal::pathIn(Working)};
};

template <typename Widget>
Widget& in(const EditorApp& app, const char* name) {
    auto* found = app.mainWindow().findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no %s", name);
    }
    return *found;
}

}  // namespace

void TestRunWiringTest::anInterruptedRunWhoseCompilerStillWorksIsWaitedFor() {
    KilledWhileCompiling editor;
    const std::unique_ptr<EditorApp> restarted = editor.restart();
    auto& status = in<QLabel>(*restarted, "TestRunStatus");
    QVERIFY(status.isVisible());
    QVERIFY(status.text().contains(QStringLiteral("закроется Sanny Builder")));
    QVERIFY(in<QPushButton>(*restarted, "TestRunRecoveryCancel").isVisible());
    QTest::qWait(300);
    editor.expectUntouched();

    // The compiler writes its output and ends; then the user's script goes back.
    editor.files.files[GameScript] = "compiled";
    editor.launcher.running.clear();
    QTRY_COMPARE(editor.files.files[GameScript], UserScript);
    QVERIFY(!editor.journal.exists());
    QVERIFY(!status.isVisible());
    QVERIFY(!in<QPushButton>(*restarted, "TestRunRecoveryCancel").isVisible());
    QTRY_COMPARE(editor.dialogs.messages().size(), size_t{1});
    QVERIFY(editor.dialogs.lastMessage().text.contains(QStringLiteral("прервана")));
}

void TestRunWiringTest::theWaitForAnInterruptedRunCanBeCancelled() {
    KilledWhileCompiling editor;
    {
        const std::unique_ptr<EditorApp> restarted = editor.restart();
        auto& cancel = in<QPushButton>(*restarted, "TestRunRecoveryCancel");
        QTest::mouseClick(&cancel, Qt::LeftButton);
        QVERIFY(!cancel.isVisible());
        QVERIFY(!in<QLabel>(*restarted, "TestRunStatus").isVisible());
        editor.launcher.running.clear();
        QTest::qWait(300);
        editor.expectUntouched();
        QVERIFY(editor.dialogs.messages().empty());
    }
    // The next start finishes the recovery.
    const std::unique_ptr<EditorApp> again = editor.restart();
    QCOMPARE(editor.files.files[GameScript], UserScript);
    QVERIFY(!editor.files.fileExists(Backup));
    QVERIFY(!editor.journal.exists());
}

void TestRunWiringTest::quittingWhileTheWaitLastsSaysMainScmStaysTheTestScript() {
    KilledWhileCompiling editor;
    const std::unique_ptr<EditorApp> restarted = editor.restart();
    restarted->mission().appendCar({"ELEGY", "1", "2", "3", "4", {}});  // unsaved, as well
    editor.dialogs.answerMessage(qv::ui::MessageButton::No);            // the unsaved changes go
    editor.dialogs.answerMessage(qv::ui::MessageButton::Cancel);
    QVERIFY(!restarted->mainWindow().close());
    const QString question = editor.dialogs.lastMessage().text;
    QVERIFY2(question.contains(QStringLiteral("main.scm")), qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("Sanny Builder")), qPrintable(question));
    editor.expectUntouched();

    // Once the wait is over, quitting leaves nothing undone and says nothing of it.
    editor.files.files[GameScript] = "compiled";
    editor.launcher.running.clear();
    QTRY_COMPARE(editor.files.files[GameScript], UserScript);
    restarted->mission().markSaved();
    editor.dialogs.answerMessage(qv::ui::MessageButton::Cancel);
    QVERIFY(!restarted->mainWindow().close());
    QCOMPARE(editor.dialogs.lastMessage().text, QStringLiteral("Вы действительно хотите выйти?"));
}

QTEST_MAIN(TestRunWiringTest)
#include "TestRunWiringTest.moc"
