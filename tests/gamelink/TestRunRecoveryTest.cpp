#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "FakeLauncher.h"
#include "TestRunPaths.h"
#include "gamelink/TestRunJournal.h"

namespace qv {
namespace {

using ::testing::HasSubstr;
using namespace test;  // the paths

// The files as a run that died at some point left them.
class RecoveryTest : public ::testing::Test {
  protected:
    void diedAt(TestRunStage stage, ProcessIdentity compiler = {}, ProcessIdentity game = {}) {
        TestRunJournal journal(files, Journal);
        ASSERT_TRUE(
            journal.record({stage, GameScript, Backup, TestScript, compiler, game, {}, {}}));
        files.files[TestScript] = "test script";
    }

    std::optional<std::string> recover() {
        return recoverInterruptedTestRun(files, processes, Working).message;
    }

    void expectCleanedUp() {
        EXPECT_EQ(files.files[GameScript], UserScript);
        EXPECT_FALSE(files.fileExists(Backup));
        EXPECT_FALSE(files.fileExists(Journal));
        EXPECT_FALSE(files.fileExists(TestScript));
    }

    test::FakeFileSystem files;
    test::FakeLauncher processes;
};

TEST_F(RecoveryTest, NothingToDoWithoutAJournal) {
    files.files[GameScript] = UserScript;
    EXPECT_EQ(recover(), std::nullopt);
    EXPECT_EQ(files.files.size(), 1u);
}

TEST_F(RecoveryTest, KilledWhileTheGameRanPutsTheUsersScriptBackAndSaysSo) {
    diedAt(TestRunStage::Moved);
    files.files[GameScript] = "compiled test";
    files.files[Backup] = UserScript;

    const std::optional<std::string> message = recover();
    ASSERT_TRUE(message);
    EXPECT_THAT(*message, HasSubstr("прервана"));
    EXPECT_THAT(*message, HasSubstr(GameScript));
    expectCleanedUp();
}

TEST_F(RecoveryTest, CompilerOrGameTheRunStartedIsWaitedForWithEveryFileLeftAsItIs) {
    const ProcessIdentity compiler{40, 1000};
    const ProcessIdentity game{41, 1001};
    diedAt(TestRunStage::Moved, compiler, game);
    files.files[Backup] = UserScript;
    const auto before = files.files;
    for (const auto& [running, program] :
         {std::pair{compiler, "Sanny Builder"}, std::pair{game, "GTA: San Andreas"}}) {
        processes.running = {running};
        const RecoveryOutcome outcome = recoverInterruptedTestRun(files, processes, Working);
        EXPECT_EQ(outcome.waitingFor, program);
        EXPECT_EQ(outcome.message, std::nullopt);
        EXPECT_EQ(files.files, before);
    }

    processes.running = {{compiler.id, 2000}};  // its id, since given to another process
    EXPECT_TRUE(recover());
    expectCleanedUp();
}

// Killed while the system started a program, before the run could record its process.
TEST_F(RecoveryTest, ProgramWhoseStartWasUnderWayIsWaitedForByItsFile) {
    for (const bool compiling : {true, false}) {
        TestRunRecord died{TestRunStage::Moved, GameScript, Backup, TestScript, {}, {}, {}, {}};
        (compiling ? died.compilerStarting : died.gameStarting) =
            compiling ? Compiler : GameProgram;
        ASSERT_TRUE(TestRunJournal(files, Journal).record(died));
        files.files[Backup] = UserScript;
        files.files.erase(GameScript);
        const auto before = files.files;

        processes.programsRunning = {compiling ? Compiler : GameProgram};
        const RecoveryOutcome outcome = recoverInterruptedTestRun(files, processes, Working);
        EXPECT_EQ(outcome.waitingFor, compiling ? "Sanny Builder" : "GTA: San Andreas");
        EXPECT_EQ(files.files, before);

        processes.programsRunning = {};
        EXPECT_TRUE(recover());
        expectCleanedUp();
    }
}

TEST_F(RecoveryTest, KilledBeforeTheCompilerWroteAnything) {
    diedAt(TestRunStage::Moved);
    files.files[Backup] = UserScript;
    EXPECT_TRUE(recover());
    expectCleanedUp();
}

TEST_F(RecoveryTest, KilledBetweenTheMoveAndItsRecord) {
    diedAt(TestRunStage::Prepared);
    files.files[Backup] = UserScript;
    EXPECT_TRUE(recover());
    expectCleanedUp();
}

TEST_F(RecoveryTest, KilledBeforeTheMoveOrAfterTheRestoreLeavesTheScriptAlone) {
    for (const TestRunStage stage : {TestRunStage::Prepared, TestRunStage::Moved}) {
        diedAt(stage);
        files.files[GameScript] = UserScript;
        EXPECT_EQ(recover(), std::nullopt);
        expectCleanedUp();
    }
}

TEST_F(RecoveryTest, BackupThatIsNotTheRunsIsLeftWhereNothingWasMoved) {
    diedAt(TestRunStage::Prepared);
    files.files[GameScript] = UserScript;
    files.files[Backup] = "someone else's file";
    EXPECT_EQ(recover(), std::nullopt);
    EXPECT_EQ(files.files[GameScript], UserScript);
    EXPECT_EQ(files.files[Backup], "someone else's file");
}

TEST_F(RecoveryTest, ScriptThatCannotBePutBackKeepsTheJournalForTheNextStart) {
    diedAt(TestRunStage::Moved);
    files.files[GameScript] = "compiled test";
    files.files[Backup] = UserScript;
    files.failRename(1);

    const std::optional<std::string> message = recover();
    ASSERT_TRUE(message);
    EXPECT_THAT(*message, HasSubstr("Permission denied"));
    EXPECT_THAT(*message, HasSubstr(Backup));
    EXPECT_EQ(files.files[Backup], UserScript);
    EXPECT_TRUE(files.fileExists(Journal));

    EXPECT_TRUE(recover());
    expectCleanedUp();
}

TEST_F(RecoveryTest, RunThatAnotherCopyOfTheProgramStillHoldsIsLeftToIt) {
    diedAt(TestRunStage::Moved);
    files.files[Backup] = UserScript;
    files.locks.insert(Lock);
    EXPECT_EQ(recover(), std::nullopt);
    EXPECT_EQ(files.files[Backup], UserScript);
    EXPECT_FALSE(files.fileExists(GameScript));
    EXPECT_TRUE(files.fileExists(Journal));

    files.locks.clear();  // that copy died
    EXPECT_TRUE(recover());
    expectCleanedUp();
    EXPECT_TRUE(files.locks.empty());
}

TEST_F(RecoveryTest, JournalThatCannotBeReadNowIsKeptForTheNextStart) {
    diedAt(TestRunStage::Moved);
    files.files[Backup] = UserScript;
    files.unreadable.insert(Journal);
    const std::optional<std::string> message = recover();
    ASSERT_TRUE(message);
    EXPECT_THAT(*message, HasSubstr(Journal));
    EXPECT_THAT(*message, HasSubstr("Permission denied"));
    EXPECT_TRUE(files.fileExists(Journal));
    EXPECT_EQ(files.files[Backup], UserScript);

    files.unreadable.clear();
    EXPECT_TRUE(recover());
    expectCleanedUp();
}

TEST_F(RecoveryTest, DamagedJournalIsReportedAndRemoved) {
    files.files[GameScript] = UserScript;
    files.files[Journal] = "Quorvane test run\nstage=sideways\n";
    const std::optional<std::string> message = recover();
    ASSERT_TRUE(message);
    EXPECT_THAT(*message, HasSubstr(Journal));
    EXPECT_FALSE(files.fileExists(Journal));
    EXPECT_EQ(files.files[GameScript], UserScript);
}

TEST(TestRunJournal, RecordReadsBackAsWritten) {
    test::FakeFileSystem files;
    TestRunJournal journal(files, Journal);
    const TestRunRecord record{TestRunStage::Moved, "/игры/SA/main.scm",   "/игры/SA/main.BAK",
                               TestScript,          {12345, 987654321987}, {1, 2},
                               "/sb/sanny.exe",     "/игры/SA/gta_sa.exe"};
    ASSERT_TRUE(journal.record(record));
    EXPECT_EQ(journal.read(), record);
    journal.clear();
    EXPECT_FALSE(journal.exists());
    EXPECT_EQ(journal.read(), std::nullopt);
}

}  // namespace
}  // namespace qv
