// The whole test run with real processes: stand-ins for the compiler and the game (built from
// tests/fakes) in folders of their own, started by the launcher of this machine, and the game
// found as the program looks for it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <thread>

#include "ErrorOf.h"
#include "RecordingTestRunHost.h"
#include "gamelink/TestRun.h"
#include "gamelink/TestRunJournal.h"
#include "platform/Paths.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string UserScript = "the user's own main.scm";

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string readAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void writeAll(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Waits until `condition` holds; false after half a minute.
bool waitUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

class TestRunWithProgramsTest : public ::testing::Test {
  protected:
    TestRunWithProgramsTest() {
        fs::create_directories(work_);
        fs::create_directories(game_ / "data" / "script");
        fs::create_directories(compiler_);
        fs::copy_file(fs::path(QV_FAKE_SANNY).make_preferred(), compiler_ / "sanny.exe");
        fs::copy_file(fs::path(QV_FAKE_GAME).make_preferred(), game_ / "gta_sa.exe");
        writeAll(gameScript_, UserScript);
        // The player closes the game once it has loaded its script.
        player_ = [this] {
            if (fs::exists(game_ / "fakegame.loaded")) {
                writeAll(game_ / "fakegame.quit", "");
            }
        };
    }
    ~TestRunWithProgramsTest() override {
        // No stand-in outlives its test.
        writeAll(game_ / "fakegame.quit", "");
        writeAll(compiler_ / "fakesanny.go", "");
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    TestRunFolders folders() const {
        return {asFolder(utf8(work_)), asFolder(utf8(game_)), asFolder(utf8(compiler_))};
    }

    // Runs the test, stepping it as the editor's timer does; between the steps the test acts
    // as the player would.
    void run() {
        testRun_.start(folders(), {"// mission", "start_mission 4"}, "RaceMission1");
        while (testRun_.inProgress()) {
            std::this_thread::sleep_for(testRun_.timing().poll);
            if (player_) {
                player_();
            }
            testRun_.step();
        }
    }

    // Starts the test run as a program of its own, to be killed half-way.
    std::unique_ptr<StartedProcess> startRunProgram() {
        const auto quoted = [](const fs::path& folder) { return "\"" + utf8(folder) + "\""; };
        StartOutcome started = systemProcessLauncher().start(
            {utf8(fs::path(QV_TESTRUN_DRIVER).make_preferred()),
             quoted(work_) + " " + quoted(game_) + " " + quoted(compiler_), utf8(work_)});
        EXPECT_TRUE(started.process) << started.failure;
        return std::move(started.process);
    }

    // What the journal of the run records now, if anything.
    std::optional<TestRunRecord> journal() const {
        return TestRunJournal(systemFileSystem(), TestRunJournal::pathIn(folders().working)).read();
    }

    // What a run in a program of its own has done so far, for a test that waited in vain.
    std::string whereTheRunIs(StartedProcess& program) const {
        std::string state = program.hasExited() ? "the run's program has ended" : "it still runs";
        for (const fs::path& file : {work_ / "testrundriver.failure", work_ / "testrun.journal",
                                     compiler_ / "fakesanny.args", game_ / "fakegame.loaded"}) {
            state += "; " + utf8(file.filename()) +
                     (fs::exists(file) ? ":\n" + readAll(file) : " is missing");
        }
        return state;
    }

    // Starts the program anew once the killed run has left its files, as the editor does: while
    // a program of the killed run still runs, asks again.
    RecoveryOutcome recoverWhenAllowed() {
        RecoveryOutcome outcome;
        EXPECT_TRUE(waitUntil([&] {
            outcome = recoverInterruptedTestRun(systemFileSystem(), systemProcessLauncher(),
                                                folders().working);
            return outcome.waitingFor.empty();
        }));
        return outcome;
    }

    void expectUserScriptBack() {
        EXPECT_EQ(readAll(gameScript_), UserScript);
        EXPECT_FALSE(fs::exists(gameScript_.parent_path() / "main.BAK"));
        EXPECT_FALSE(fs::exists(work_ / "Tempscript"));
        EXPECT_FALSE(fs::exists(work_ / "testrun.journal"));
    }

    static fs::path freshFolder() {
        std::random_device random;
        return fs::temp_directory_path() / ("quorvane-testrun-" + std::to_string(random()));
    }

    fs::path root_ = freshFolder();
    fs::path work_ = root_ / "work";
    fs::path game_ = root_ / "game";
    fs::path compiler_ = root_ / "sanny";
    fs::path gameScript_ = game_ / "data" / "script" / "main.scm";
    std::function<void()> player_;
    test::RecordingTestRunHost host_;
    TestRun testRun_{systemFileSystem(), systemProcessLauncher(), systemGameProcess(), host_};
};

TEST_F(TestRunWithProgramsTest, GameRunsTheCompiledTestAndTheUsersScriptComesBack) {
    run();

    EXPECT_THAT(readAll(game_ / "fakegame.loaded"),
                StartsWith("COMPILED\nDEFINE OBJECTS 1\r\nDEFINE OBJECT QUORVANE\r\n"));
    EXPECT_THAT(readAll(game_ / "fakegame.loaded"), HasSubstr("\r\nstart_mission 0\r\n"));
    const std::string onCommandLine = FileNamesIgnoreCase ? "TempScript" : "Tempscript";
    EXPECT_EQ(readAll(compiler_ / "fakesanny.args"),
              "\\compile\n" + utf8(work_ / onCommandLine) + "\n" + utf8(gameScript_) + "\n");
    EXPECT_TRUE(host_.informations.empty());
    expectUserScriptBack();
}

#ifdef QV_FAKE_SANNY_30
// Stand-ins carrying the version resources of Sanny Builder 3.0, 3.5 and 4.1, each compiling
// only when started as that version must be.
TEST_F(TestRunWithProgramsTest, EachSannyBuilderVersionIsStartedWithItsOwnCommandLine) {
    const std::string onCommandLine = utf8(work_ / "TempScript") + "\n" + utf8(gameScript_) + "\n";
    for (const auto& [program, switches] :
         {std::pair{QV_FAKE_SANNY_30, "\\compile\n"}, std::pair{QV_FAKE_SANNY_35, "\\compile\n"},
          std::pair{QV_FAKE_SANNY_41, "--no-splash\n--mode\nsa\n--compile\n"}}) {
        fs::copy_file(fs::path(program).make_preferred(), compiler_ / "sanny.exe",
                      fs::copy_options::overwrite_existing);
        fs::remove(game_ / "fakegame.loaded");
        fs::remove(game_ / "fakegame.quit");
        run();
        EXPECT_EQ(readAll(compiler_ / "fakesanny.args"), switches + onCommandLine) << program;
        EXPECT_THAT(readAll(game_ / "fakegame.loaded"), StartsWith("COMPILED\n")) << program;
        expectUserScriptBack();
    }
}
#endif

TEST_F(TestRunWithProgramsTest, FailedCompilationShowsTheLogAndNeverStartsTheGame) {
    writeAll(compiler_ / "fakesanny.mode", "fail");
    const std::string message = test::errorOf([this] { run(); });
    EXPECT_THAT(message, HasSubstr("Ошибка в строке 1"));
    EXPECT_FALSE(fs::exists(game_ / "fakegame.loaded"));
    expectUserScriptBack();
}

TEST_F(TestRunWithProgramsTest, GameThatEndsWithoutAWindowIsNotWaitedFor) {
    writeAll(game_ / "fakegame.mode", "vanish");
    player_ = nullptr;
    run();
    EXPECT_THAT(readAll(game_ / "fakegame.loaded"), StartsWith("COMPILED\n"));
    expectUserScriptBack();
}

TEST_F(TestRunWithProgramsTest, RunningGameIsAskedForANewGameAndWaitedFor) {
    StartOutcome running =
        systemProcessLauncher().start({utf8(game_ / "gta_sa.exe"), {}, utf8(game_)});
    ASSERT_TRUE(running.process) << running.failure;
    ASSERT_TRUE(waitUntil(
        [&] { return systemGameProcess().gameWindowExists() || running.process->hasExited(); }));
    ASSERT_TRUE(systemGameProcess().gameWindowExists());
    player_ = [&] {
        // Once told, the player starts a new game, which loads the compiled test, and closes
        // the game after that.
        if (!host_.informations.empty()) {
            writeAll(game_ / "fakegame.newgame", readAll(gameScript_));
            writeAll(game_ / "fakegame.quit", "");
            running.process->hasExited();
        }
    };

    run();

    ASSERT_EQ(host_.informations.size(), 1u);
    EXPECT_THAT(host_.informations[0], StartsWith("Чтобы проверить скрипт миссии"));
    EXPECT_THAT(readAll(game_ / "fakegame.newgame"), StartsWith("COMPILED\n"));
    EXPECT_EQ(readAll(game_ / "fakegame.loaded"), UserScript);  // no second game was started
    EXPECT_TRUE(running.process->hasExited());
    expectUserScriptBack();
}

TEST_F(TestRunWithProgramsTest, NextStartPutsBackWhatARunKilledWhileWaitingLeft) {
    // The files as a run killed while the game ran leaves them.
    const fs::path backup = gameScript_.parent_path() / "main.BAK";
    fs::rename(gameScript_, backup);
    writeAll(gameScript_, "COMPILED\n");
    writeAll(work_ / "Tempscript", "test script");
    TestRunJournal journal(systemFileSystem(), TestRunJournal::pathIn(folders().working));
    ASSERT_TRUE(journal.record({TestRunStage::Moved,
                                utf8(gameScript_),
                                utf8(backup),
                                utf8(work_ / "Tempscript"),
                                {},
                                {},
                                {},
                                {}}));

    const std::optional<std::string> message =
        recoverInterruptedTestRun(systemFileSystem(), systemProcessLauncher(), folders().working)
            .message;
    ASSERT_TRUE(message);
    EXPECT_THAT(*message, HasSubstr(utf8(gameScript_)));
    expectUserScriptBack();
}

TEST_F(TestRunWithProgramsTest, RestartWhileTheKilledRunsCompilerWorksWaitsForItsOutput) {
    writeAll(compiler_ / "fakesanny.mode", "held");
    const std::unique_ptr<StartedProcess> program = startRunProgram();
    ASSERT_TRUE(program);
    ASSERT_TRUE(waitUntil([this] { return journal() && journal()->compiler; }))
        << whereTheRunIs(*program);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    program->terminate();

    // The next start comes at once, while the compiler still works: it touches nothing.
    const RecoveryOutcome atStart =
        recoverInterruptedTestRun(systemFileSystem(), systemProcessLauncher(), folders().working);
    EXPECT_EQ(atStart.waitingFor, "Sanny Builder");
    // Known by its file too, as after a kill while the system was still starting it.
    EXPECT_TRUE(systemProcessLauncher().isProgramRunning(utf8(compiler_ / "sanny.exe")));
    EXPECT_FALSE(systemProcessLauncher().isProgramRunning(utf8(compiler_ / "sanny2.exe")));
    EXPECT_FALSE(fs::exists(gameScript_));
    EXPECT_EQ(readAll(gameScript_.parent_path() / "main.BAK"), UserScript);

    writeAll(compiler_ / "fakesanny.go", "");  // the compiler writes main.scm and ends
    const RecoveryOutcome recovered = recoverWhenAllowed();
    ASSERT_TRUE(recovered.message);
    EXPECT_THAT(*recovered.message, HasSubstr("прервана"));
    expectUserScriptBack();
    EXPECT_FALSE(fs::exists(game_ / "fakegame.loaded"));
}

TEST_F(TestRunWithProgramsTest, RestartWhileTheKilledRunsGameRunsWaitsForTheGame) {
    const std::unique_ptr<StartedProcess> program = startRunProgram();
    ASSERT_TRUE(program);
    ASSERT_TRUE(waitUntil([this] {
        return journal() && journal()->game && fs::exists(game_ / "fakegame.loaded");
    })) << whereTheRunIs(*program);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    program->terminate();
    EXPECT_THAT(readAll(gameScript_), StartsWith("COMPILED\n"));

    const RecoveryOutcome atStart =
        recoverInterruptedTestRun(systemFileSystem(), systemProcessLauncher(), folders().working);
    EXPECT_EQ(atStart.waitingFor, "GTA: San Andreas");
    EXPECT_THAT(readAll(gameScript_), StartsWith("COMPILED\n"));

    writeAll(game_ / "fakegame.quit", "");
    const RecoveryOutcome recovered = recoverWhenAllowed();
    ASSERT_TRUE(recovered.message);
    expectUserScriptBack();
}

}  // namespace
}  // namespace qv
