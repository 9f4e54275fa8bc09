#include "gamelink/TestRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ErrorOf.h"
#include "FakeFileSystem.h"
#include "FakeGame.h"
#include "FakeLauncher.h"
#include "LanguageScope.h"
#include "PeFixture.h"
#include "RecordingTestRunHost.h"
#include "TestRunPaths.h"
#include "gamelink/TestRunJournal.h"

namespace qv {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using namespace test;  // the paths

// Windows compares file names without case; the compiler has always been given this spelling.
#ifdef _WIN32
const std::string CommandLineScript = "\\races\\TempScript";
#else
const std::string CommandLineScript = "/races/Tempscript";
#endif

using test::errorOf;
using test::peWithVersion;

class TestRunTest : public ::testing::Test {
  protected:
    TestRunTest() {
        files.files[GameScript] = UserScript;
        files.files[GameProgram] = "MZ game";
        files.files[Compiler] = "MZ compiler";
        game.setRunning(false);
        compiler().runsFor = 3;
        compiler().onStart = [this](const ProgramStart&) {
            files.files[GameScript] = "compiled: " + files.files[TestScript];
        };
        launcher.programs[GameProgram].onStart = [this](const ProgramStart&) {
            game.setRunning(true);
        };
        // The player plays for five polls, then closes the game.
        driver.onTick = [this](int) {
            if (game.gameWindowExists()) {
                if (whilePlaying.empty()) {
                    whilePlaying = files.files;
                    lockedWhilePlaying = files.locks.contains(Lock);
                }
                if (--playPolls == 0) {
                    game.setRunning(false);
                }
            }
        };
    }

    test::FakeProgram& compiler() { return launcher.programs[Compiler]; }

    TestRunTiming countingSleeps() {
        TestRunTiming timing;
        timing.sleep = [this](std::chrono::milliseconds) { ++sleeps; };
        return timing;
    }

    void run(const std::vector<std::string>& missionLines = {"// mission", "start_mission 7"}) {
        testRun.start({Working, GameFolder, CompilerFolder}, missionLines, "RaceMission1");
        driver.drive(testRun);
    }

    // The game folder and the working folder are as before the run.
    void expectUntouched() {
        EXPECT_EQ(files.files[GameScript], UserScript);
        EXPECT_FALSE(files.fileExists(Backup));
        EXPECT_FALSE(files.fileExists(Journal));
    }

    test::FakeFileSystem files;
    test::FakeLauncher launcher;
    test::FakeGame game;
    test::TickDriver driver;
    test::RecordingTestRunHost host;
    TestRun testRun{files, launcher, game, host, countingSleeps()};
    int sleeps = 0;
    int playPolls = 5;
    std::map<std::string, std::string> whilePlaying;
    bool lockedWhilePlaying = false;
};

TEST_F(TestRunTest, CompilesStartsTheGameWaitsAndPutsTheUsersScriptBack) {
    run();

    ASSERT_EQ(launcher.starts.size(), 2u);
    const ProgramStart& compile = launcher.starts[0];
    EXPECT_EQ(compile.program, Compiler);
    EXPECT_EQ(compile.parameters, "\\compile \"" + CommandLineScript + "\" \"" + GameScript + "\"");
    EXPECT_EQ(compile.workingFolder, CompilerFolder);
    EXPECT_EQ(compile.show, WindowShow::Minimized);
    const ProgramStart& play = launcher.starts[1];
    EXPECT_EQ(play.program, GameProgram);
    EXPECT_EQ(play.parameters, "");
    EXPECT_EQ(play.workingFolder, GameFolder);
    EXPECT_EQ(play.show, WindowShow::Normal);

    // While the game ran it had the compiled test, and the user's script waited under main.BAK.
    EXPECT_THAT(whilePlaying[GameScript], StartsWith("compiled: DEFINE OBJECTS 1\r\n"));
    EXPECT_EQ(whilePlaying[Backup], UserScript);
    test::FakeFileSystem journalFiles;
    journalFiles.files[Journal] = whilePlaying[Journal];
    const std::optional<TestRunRecord> journal = TestRunJournal(journalFiles, Journal).read();
    ASSERT_TRUE(journal);
    EXPECT_EQ(journal->stage, TestRunStage::Moved);
    // What the next start must wait for, should the program die now.
    EXPECT_EQ(journal->compiler, launcher.identities[0]);
    EXPECT_EQ(journal->game, launcher.identities[1]);
    EXPECT_TRUE(host.informations.empty());
    EXPECT_TRUE(lockedWhilePlaying);
    EXPECT_TRUE(files.locks.empty());

    expectUntouched();
    EXPECT_FALSE(files.fileExists(TestScript));
    EXPECT_FALSE(testRun.inProgress());
    EXPECT_EQ(host.statuses.back(), "");
    EXPECT_THAT(host.statuses, ::testing::Contains(HasSubstr("закроете GTA: San Andreas")));
}

TEST_F(TestRunTest, SannyBuilder4IsToldTheScriptsModeAndOlderOrUnknownVersionsAreNot) {
    const std::string paths = "\"" + CommandLineScript + "\" \"" + GameScript + "\"";
    const std::string namingTheMode = "--no-splash --mode sa --compile " + paths;
    const std::string asBefore = "\\compile " + paths;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {peWithVersion({4, 1, 0, 0}).bytes, namingTheMode},
        {peWithVersion({4, 0, 0, 0}, true).bytes, namingTheMode},
        {peWithVersion({3, 99, 0, 0}).bytes, asBefore},
        {peWithVersion({3, 0, 0, 0}).bytes, asBefore},
        {peWithVersion({4, 1, 0, 0}).bytes.substr(0, 700), asBefore},  // cut short
        {"MZ compiler", asBefore}};
    for (const auto& [program, parameters] : cases) {
        files.files[Compiler] = program;
        launcher.starts.clear();
        playPolls = 5;
        run();
        ASSERT_FALSE(launcher.starts.empty());
        EXPECT_EQ(launcher.starts[0].parameters, parameters);
        expectUntouched();
    }
}

TEST_F(TestRunTest, JournalNamesEachProgramBeforeItStartsAndItsProcessOnceStarted) {
    std::vector<TestRunRecord> atStart;
    const auto recordStart = [this, &atStart](const ProgramStart&) {
        atStart.push_back(TestRunJournal(files, Journal).read().value_or(TestRunRecord{}));
    };
    compiler().onStart = [this, recordStart](const ProgramStart& program) {
        recordStart(program);
        files.files[GameScript] = "compiled";
    };
    launcher.programs[GameProgram].onStart = [this, recordStart](const ProgramStart& program) {
        recordStart(program);
        game.setRunning(true);
    };
    std::optional<TestRunRecord> whileGameRuns;
    driver.onTick = [this, &whileGameRuns](int) {
        if (game.gameWindowExists()) {
            whileGameRuns = TestRunJournal(files, Journal).read();
            game.setRunning(false);
        }
    };
    run();

    ASSERT_EQ(atStart.size(), 2u);
    EXPECT_EQ(atStart[0].compilerStarting, Compiler);
    EXPECT_EQ(atStart[1].gameStarting, GameProgram);
    EXPECT_EQ(atStart[1].compiler, launcher.identities[0]);
    ASSERT_TRUE(whileGameRuns);
    EXPECT_EQ(whileGameRuns->game, launcher.identities[1]);
    EXPECT_EQ(whileGameRuns->gameStarting, "");
    expectUntouched();
}

TEST_F(TestRunTest, TestScriptIsTheFrameAndTheMissionStartingMissionZero) {
    compiler().onStart = [this](const ProgramStart&) {
        whilePlaying = files.files;
        files.files[GameScript] = "compiled";
    };
    run({"// Гонка", "start_mission 7", "end_thread"});

    const std::string& script = whilePlaying[TestScript];
    EXPECT_THAT(script, StartsWith("DEFINE OBJECTS 1\r\nDEFINE OBJECT QUORVANE\r\n"));
    EXPECT_THAT(script, HasSubstr("\r\nDEFINE MISSION 0 AT @RaceMission1_000\r\n"));
    EXPECT_THAT(script, HasSubstr("\r\ncreate_thread @RaceMission1\r\nend_thread\r\n"
                                  "// \xC3\xEE\xED\xEA\xE0\r\nstart_mission 0\r\nend_thread\r\n"));
}

TEST_F(TestRunTest, GameAlreadyRunningIsAskedForANewGameAndWaitedFor) {
    game.setRunning(true);
    std::map<std::string, std::string> atMessage;
    host.onInformation = [&] { atMessage = files.files; };

    run();

    EXPECT_THAT(host.informations,
                ElementsAre("Чтобы проверить скрипт миссии, переключитесь в GTA: San Andreas и "
                            "начните новую игру."));
    ASSERT_EQ(launcher.starts.size(), 1u);  // only the compiler
    EXPECT_THAT(atMessage[GameScript], StartsWith("compiled: "));
    EXPECT_EQ(playPolls, 0);  // waited until the game was closed
    expectUntouched();
}

TEST_F(TestRunTest, MissingFolderOrProgramIsAnErrorNamingItAndWhereToSetIt) {
    const auto attempt = [this](const TestRunFolders& folders) {
        return errorOf([&] { testRun.start(folders, {"x"}, "P"); });
    };
    const std::string settings = ": «Файл» → «Настройки программы...» (F10)";
    const TestRunFolders chosen{Working, GameFolder, CompilerFolder};
    EXPECT_EQ(attempt({Working, "", CompilerFolder}), "Ошибка.\nНе задана папка игры" + settings);
    EXPECT_EQ(attempt({Working, GameFolder, ""}),
              "Ошибка.\nНе задана папка Sanny Builder" + settings);
    files.files.erase(Compiler);
    EXPECT_EQ(attempt(chosen), "Ошибка.\nНет файла " + Compiler + settings);
    files.files.erase(GameProgram);
    EXPECT_EQ(attempt(chosen), "Ошибка.\nНет файла " + GameProgram + settings);
    files.files[GameProgram] = "MZ game";
    files.files.erase(GameScript);
    files.files[Backup] = UserScript;
    EXPECT_EQ(attempt(chosen), "Ошибка.\nНет файла " + GameScript + settings);

    EXPECT_TRUE(launcher.starts.empty());
    EXPECT_FALSE(files.fileExists(TestScript));
    EXPECT_FALSE(files.fileExists(Journal));
}

TEST_F(TestRunTest, UnwritableWorkingFolderStopsBeforeTheGameFolderIsTouched) {
    // Not even the lock file: no run goes on unlocked.
    files.readOnly = {Lock};
    EXPECT_EQ(errorOf([this] { run(); }), "Cannot create file \"" + Lock + "\". Permission denied");
    expectUntouched();
    EXPECT_TRUE(launcher.starts.empty());
    EXPECT_FALSE(files.fileExists(TestScript));

    files.readOnly = {TestScript};
    EXPECT_EQ(errorOf([this] { run(); }),
              "Cannot create file \"" + TestScript + "\". Permission denied");
    expectUntouched();
    EXPECT_TRUE(launcher.starts.empty());

    files.readOnly.clear();
    files.readOnly.insert(Journal + ".tmp");
    EXPECT_THAT(errorOf([this] { run(); }), StartsWith("Cannot create file \"" + Journal));
    expectUntouched();
    EXPECT_TRUE(launcher.starts.empty());
}

TEST_F(TestRunTest, JournalThatCannotRecordTheMoveUndoesItOrLeavesItToTheNextStart) {
    files.failWrite(3);  // the test script, the journal's first record, then its second
    EXPECT_THAT(errorOf([this] { run(); }), StartsWith("Cannot create file \"" + Journal));
    expectUntouched();
    EXPECT_TRUE(launcher.starts.empty());

    files.files.erase(TestScript);
    files.failWrite(3);
    files.failRename(3);  // the journal's first record, the move, then the move back
    EXPECT_THAT(errorOf([this] { run(); }), StartsWith("Cannot create file \"" + Journal));
    EXPECT_EQ(files.files[Backup], UserScript);
    ASSERT_TRUE(recoverInterruptedTestRun(files, launcher, Working).message);
    expectUntouched();
}

TEST_F(TestRunTest, FailedMoveNamesTheScriptItsBackupAndTheReason) {
    files.failRename(2, "Sharing violation");  // the journal's first record, then the move
    const std::string error = errorOf([this] { run(); });
    EXPECT_THAT(error, HasSubstr(GameScript));
    EXPECT_THAT(error, HasSubstr(Backup));
    EXPECT_THAT(error, HasSubstr("Sharing violation"));
    expectUntouched();
    EXPECT_TRUE(launcher.starts.empty());
}

TEST_F(TestRunTest, MoveThatLeavesTheScriptUnderBothNamesIsRefused) {
    files.movesHalfway = true;
    const std::string error = errorOf([this] { run(); });
    EXPECT_THAT(error, HasSubstr(GameScript));
    EXPECT_THAT(error, HasSubstr(Backup));
    EXPECT_TRUE(launcher.starts.empty());  // no compiler writes through a shared file
    EXPECT_EQ(files.files[GameScript], UserScript);
    EXPECT_FALSE(files.fileExists(Journal));
    // The leftover backup is the user's to look at: the next run refuses to use its name.
    EXPECT_THAT(errorOf([this] { run(); }), HasSubstr(Backup));
}

TEST_F(TestRunTest, FailedCompilationShowsTheLogAndPutsTheScriptBackWithoutStartingTheGame) {
    files.files[CompileLog] = "old log";
    compiler().onStart = [this](const ProgramStart&) {
        files.files[CompileLog] = "\xCE\xF8\xE8\xE1\xEA\xE0 \xE2 \xF1\xF2\xF0\xEE\xEA\xE5 12";
    };
    const std::string message = errorOf([this] { run(); });

    EXPECT_THAT(message, StartsWith("Sanny Builder не создал " + GameScript));
    EXPECT_THAT(message, HasSubstr("Ваш main.scm возвращён на место.\n\n"));
    EXPECT_THAT(message, HasSubstr("Ошибка в строке 12"));
    EXPECT_EQ(launcher.starts.size(), 1u);
    expectUntouched();
    EXPECT_FALSE(files.fileExists(TestScript));
}

TEST_F(TestRunTest, InEnglishEachMessageIsOneWholeEnglishText) {
    const test::LanguageScope english(Language::English);
    const std::string missing = errorOf([this] {
        testRun.start({Working, "", CompilerFolder}, {}, "P");
    });
    EXPECT_EQ(missing, "Error.\nThe game folder is not set: File → Options... (F10)");

    // A failed compilation whose script then cannot be put back: three texts and the log.
    compiler().onStart = [this](const ProgramStart&) {
        files.files[CompileLog] = "Error in line 12";
    };
    driver.onTick = [this](int tick) {
        if (tick == 1) {  // the compiler runs; the next rename is the script's way back
            files.failRename(1, "Sharing violation");
        }
    };
    const std::string failed = errorOf([this] { run(); });
    EXPECT_EQ(failed, "Sanny Builder did not create " + GameScript +
                          ", so the game was not started. If Sanny Builder was already open, close "
                          "it and build the mission again. Your main.scm could not be put back "
                          "(Sharing violation): it is kept as " +
                          Backup +
                          ", and the program will put it back at its next start.\n\nSanny "
                          "Builder's message (" +
                          CompileLog + "):\nError in line 12");
    for (const std::string& status : host.statuses) {
        EXPECT_FALSE(test::hasCyrillic(status)) << status;
    }
    const std::optional<std::string> recovered =
        recoverInterruptedTestRun(files, launcher, Working).message;
    ASSERT_TRUE(recovered);
    EXPECT_EQ(*recovered,
              "The last test run was interrupted. Your main.scm has been put back: " + GameScript);
    expectUntouched();
}

TEST_F(TestRunTest, CompilerThatWritesNothingAndNoLogIsReportedWithoutAnOldLog) {
    files.files[CompileLog] = "errors of an earlier compilation";
    compiler().onStart = nullptr;  // Sanny Builder was open already and took the file in a tab
    const std::string message = errorOf([this] { run(); });
    EXPECT_THAT(message, HasSubstr("закройте его и постройте миссию снова"));
    EXPECT_THAT(message, Not(HasSubstr("earlier compilation")));
    expectUntouched();
}

TEST_F(TestRunTest, CompilerThatCannotStartOrNeverEndsLeavesTheUsersScript) {
    compiler().startFailure = "Access is denied";
    EXPECT_THAT(errorOf([this] { run(); }), StartsWith("Не удалось запустить Sanny Builder (" +
                                                       Compiler + "): Access is denied."));
    expectUntouched();

    compiler().startFailure.clear();
    compiler().neverEnds = true;
    EXPECT_THAT(errorOf([this] { run(); }), HasSubstr("не закончил компиляцию за 120 с"));
    EXPECT_EQ(launcher.terminations, 1);
    EXPECT_EQ(driver.ticks, 1200);  // two minutes at 100 ms
    expectUntouched();
    EXPECT_EQ(launcher.starts.size(), 2u);  // two compilers, no game
}

TEST_F(TestRunTest, GameThatNeverShowsItsWindowIsNotWaitedForBeyondTheGraceTime) {
    launcher.programs[GameProgram].onStart = nullptr;
    run();
    EXPECT_EQ(launcher.starts.size(), 2u);
    EXPECT_EQ(driver.ticks, 3 + 20);  // the compiler's three polls, then two seconds
    expectUntouched();
}

TEST_F(TestRunTest, GameThatCannotStartLeavesTheUsersScript) {
    launcher.programs[GameProgram].startFailure = "Bad EXE format";
    EXPECT_THAT(errorOf([this] { run(); }), HasSubstr("Не удалось запустить GTA: San Andreas"));
    expectUntouched();
}

TEST_F(TestRunTest, BackupNameTakenIsRefusedAndBothFilesStay) {
    files.files[Backup] = "an older main.scm";
    const std::string message = errorOf([this] { run(); });
    EXPECT_THAT(message, HasSubstr(Backup));
    EXPECT_EQ(files.files[Backup], "an older main.scm");
    EXPECT_EQ(files.files[GameScript], UserScript);
    EXPECT_TRUE(launcher.starts.empty());
}

TEST_F(TestRunTest, SecondRunWhileTheFirstWaitsIsRefusedAndChangesNothing) {
    std::string secondRun;
    std::map<std::string, std::string> beforeSecond;
    driver.onTick = [&](int) {
        if (game.gameWindowExists() && secondRun.empty()) {
            beforeSecond = files.files;
            secondRun = errorOf([this] { run(); });
            EXPECT_EQ(files.files, beforeSecond);
        }
        if (game.gameWindowExists() && --playPolls == 0) {
            game.setRunning(false);
        }
    };
    run();
    EXPECT_THAT(secondRun, HasSubstr("уже идёт"));
    expectUntouched();
    EXPECT_EQ(launcher.starts.size(), 2u);
}

TEST_F(TestRunTest, RunOfAnotherCopyOfTheProgramIsNeitherJoinedNorUndone) {
    files.locks.insert(Lock);
    EXPECT_THAT(errorOf([this] { run(); }), HasSubstr("уже идёт в другой копии программы"));
    EXPECT_TRUE(launcher.starts.empty());
    EXPECT_FALSE(files.fileExists(TestScript));
    files.locks.clear();

    // Another copy starts while this one's compiler works: it must not take the run for an
    // interrupted one and put main.scm back just before the compiler writes over it.
    compiler().onStart = nullptr;
    std::optional<std::string> otherStart = "not started";
    driver.onTick = [&](int number) {
        if (number == 1) {
            otherStart = recoverInterruptedTestRun(files, launcher, Working).message;
        } else if (number == 2) {
            files.files[GameScript] = "compiled";
        }
    };
    launcher.programs[GameProgram].onStart = nullptr;
    run();
    EXPECT_EQ(otherStart, std::nullopt);
    expectUntouched();
    EXPECT_TRUE(files.locks.empty());
}

TEST_F(TestRunTest, UnfinishedJournalOfAnotherRunIsRefused) {
    files.files[Journal] = "Quorvane test run\nstage=moved\n";
    EXPECT_THAT(errorOf([this] { run(); }), HasSubstr(Journal));
    EXPECT_TRUE(launcher.starts.empty());
    EXPECT_EQ(files.files[GameScript], UserScript);
}

TEST_F(TestRunTest, ScriptThatCannotBePutBackStaysAsBackupForTheNextStart) {
    driver.onTick = [this](int) {
        if (game.gameWindowExists() && --playPolls == 0) {
            game.setRunning(false);
            files.failRename(1);
        }
    };
    const std::string message = errorOf([this] { run(); });
    EXPECT_THAT(message, HasSubstr("сохранён как " + Backup));
    EXPECT_EQ(files.files[Backup], UserScript);
    EXPECT_TRUE(files.fileExists(Journal));

    const std::optional<std::string> recovered =
        recoverInterruptedTestRun(files, launcher, Working).message;
    ASSERT_TRUE(recovered);
    EXPECT_THAT(*recovered, HasSubstr("возвращён на место"));
    expectUntouched();
    EXPECT_FALSE(files.fileExists(TestScript));
}

TEST_F(TestRunTest, ProgramClosingWhileTheGameRunsPutsTheScriptBackAtOnce) {
    playPolls = 1000;
    driver.closingAt = 3 + 3;  // the compiler's three polls, then three while the game runs
    run();
    EXPECT_EQ(driver.ticks, 6);
    EXPECT_TRUE(game.gameWindowExists());
    expectUntouched();
}

TEST_F(TestRunTest, ProgramClosingWhileTheCompilerRunsNeverStartsTheGame) {
    driver.closingAt = 1;
    run();
    EXPECT_EQ(driver.ticks, 1);
    EXPECT_EQ(sleeps, 2);  // the compiler's output is waited for all the same
    EXPECT_EQ(launcher.starts.size(), 1u);
    expectUntouched();
}

#ifdef _WIN32
TEST(TestRunCommandLine, IsTheSwitchAndTheTwoQuotedPaths) {
    test::FakeFileSystem files;
    files.files["C:\\Games\\SA\\data\\script\\main.scm"] = UserScript;
    files.files["C:\\Games\\SA\\gta_sa.exe"] = "MZ";
    files.files["C:\\SB\\sanny.exe"] = "MZ";
    test::FakeLauncher launcher;
    launcher.programs["C:\\SB\\sanny.exe"];
    test::FakeGame game;
    test::RecordingTestRunHost host;
    TestRun testRun(files, launcher, game, host);
    errorOf([&] { testRun.start({"C:\\Work", "C:\\Games\\SA\\", "C:\\SB\\"}, {}, "P"); });

    ASSERT_FALSE(launcher.starts.empty());
    EXPECT_EQ(launcher.starts[0].parameters,
              R"(\compile "C:\Work\TempScript" "C:\Games\SA\data\script\main.scm")");
    EXPECT_EQ(files.files["C:\\Games\\SA\\data\\script\\main.scm"], UserScript);
}
#endif

}  // namespace
}  // namespace qv
