#pragma once

#include <QLabel>
#include <QTest>
#include <string>

#include "EditorFixture.h"
#include "ExampleMissions.h"
#include "TestRunPaths.h"

namespace qv::test {

// What the editor showed and the game folder held while the game ran.
struct DuringTheGame {
    bool statusShown = false;
    QString status;
    std::string gameScript;
};

// An editor with the test option on, both folders chosen, a buildable mission, and stand-ins
// for the compiler (it writes the compiled test) and the game (it runs until the test closes
// it).
class TestRunEditor : public EditorFixture {
  public:
    explicit TestRunEditor(Language language = Language::Russian) : EditorFixture(language) {
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
        window(ui::WindowId::Options).hide();
        dialogs.clearRecords();

        launcher.programs[Compiler].runsFor = 2;
        launcher.programs[Compiler].onStart = [this](const qv::ProgramStart&) {
            files.files[GameScript] = "compiled: " + files.files[TestScript];
        };
        launcher.programs[GameProgram].onStart = [this](const qv::ProgramStart&) {
            game.setRunning(true);
        };
    }

    QLabel& status() const { return get<QLabel>(QStringLiteral("TestRunStatus")); }

    // Waits until the run waits for the game, and keeps what the editor shows then.
    void waitForTheGame() {
        QTRY_VERIFY_WITH_TIMEOUT(status().text().contains(QStringLiteral("закроете")), 10000);
        during.statusShown = status().isVisible();
        during.status = status().text();
        during.gameScript = files.files[GameScript];
    }

    // The player closes the game; waits until the run is over.
    void closeTheGame() {
        game.setRunning(false);
        QTRY_VERIFY_WITH_TIMEOUT(status().text().isEmpty(), 10000);
    }

    void playTheGame() {
        waitForTheGame();
        closeTheGame();
    }

    void expectUserScriptBack() {
        QCOMPARE(files.files[GameScript], UserScript);
        QVERIFY(!files.fileExists(Backup));
        QVERIFY(!files.fileExists(TestScript));
        QVERIFY(!get<QLabel>(QStringLiteral("TestRunStatus")).isVisible());
    }

    DuringTheGame during;
};

}  // namespace qv::test
