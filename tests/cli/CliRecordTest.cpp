// quorvane-cli record against the fake game process, found by the game's name.
#include <algorithm>

#include "CliRun.h"
#include "FakeDrivingGame.h"
#include "LanguageScope.h"
#include "gamelink/PositionCapture.h"
#include "model/ProjectFile.h"
#include "platform/FileSystem.h"

namespace qv::test {
namespace {

const std::string Sprint = QV_EXAMPLES_DIR "/lssprint.qvnx";
constexpr const char* Suffixes[] = {"", ".cars", ".checkps"};

class CliRecord : public CliRun {
  protected:
    void SetUp() override {
        CliRun::SetUp();
        project = (dir / "Гонка.qvnx").string();
        Mission mission;
        loadProject(mission, Sprint, systemFileSystem());
        saveProject(mission, project, systemFileSystem());
    }

    std::string projectFiles() const {
        std::string all;
        for (const char* suffix : Suffixes) {
            all += fileText(project + suffix) + "\n--\n";
        }
        return all;
    }

    std::string project;
};

TEST_F(CliRecord, RecordsTheDriveUntilTheGameClosesThenAppendsAndSaves) {
    const FakeDrivingGame game(QV_FAKE_DRIVING_GAME, "circuit");
    if (!game.readable()) {
        GTEST_SKIP() << "this kernel does not let a process read another one's memory";
    }
    const Outcome result = cli({"record", project});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Машина 5: INFERNUS 1000.00 -1000.00 10.00 0.00\n"),
              std::string::npos)
        << result.out;
    for (int row = 6; row <= 10; ++row) {
        EXPECT_NE(result.out.find("Чекпоинт " + std::to_string(row) + ": "), std::string::npos);
    }
    EXPECT_TRUE(result.out.ends_with("\nзапись маршрута: 5 чекпоинтов, 1 машина\n"));

    Mission mission;
    loadProject(mission, project, systemFileSystem());
    EXPECT_EQ(mission.carCount(), 5);
    ASSERT_EQ(mission.checkpointCount(), 10);
    EXPECT_EQ(mission.checkpoint(10).X, "1000.00");
    EXPECT_EQ(mission.checkpoint(10).Speed, 1);
    EXPECT_EQ(mission.checkpoint(10).Type, DriveType::Racing);
}

TEST_F(CliRecord, EndsAfterTheSecondsGivenOrOnASignalAndKeepsWhatItRecorded) {
    const FakeDrivingGame game(QV_FAKE_DRIVING_GAME, "parked");
    if (!game.readable()) {
        GTEST_SKIP() << "this kernel does not let a process read another one's memory";
    }
    // Each recording's finish is the parked place.
    const std::string parked = ": 1000.00 -1000.00 10.00\nзапись маршрута: 1 чекпоинт, 0 машин\n";
    const Outcome timed = cli({"record", project, "--seconds", "0.5", "--tolerance=5"});
    EXPECT_EQ(timed.status, 0) << timed.err;
    EXPECT_EQ(timed.out, "Чекпоинт 6" + parked);
    int row = 7;
    for (const char* signal : {"INT", "TERM"}) {
        const Outcome stopped =
            cli({"record", project}, std::string("timeout --preserve-status -s ") + signal + " 1");
        EXPECT_EQ(stopped.status, 0) << signal << stopped.err;
        EXPECT_EQ(stopped.out, "Чекпоинт " + std::to_string(row++) + parked);
    }
    const std::string before = projectFiles();
    const Outcome signalsOnly = cli({"record", project, "--horn-only", "--seconds", "0.3"});
    EXPECT_EQ(signalsOnly.out, "запись маршрута: 0 чекпоинтов, 0 машин\n");
    EXPECT_EQ(projectFiles(), before);
    Mission mission;
    loadProject(mission, project, systemFileSystem());
    EXPECT_EQ(mission.checkpointCount(), 8);
}

TEST_F(CliRecord, WithoutTheGameOrTheProjectItFailsAtOnceAndChangesNothing) {
    const std::string before = projectFiles();
    const Outcome absent = cli({"record", project, "--seconds", "30"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_EQ(absent.err, std::string(GameNotRunningWarning) + "\n");
    EXPECT_EQ(projectFiles(), before);
    environment = "LC_ALL=en_US.UTF-8";
    const Outcome inEnglish = cli({"record", project, "--seconds", "30"});
    EXPECT_EQ(inEnglish.status, 1);
    EXPECT_FALSE(inEnglish.err.empty());
    EXPECT_FALSE(test::hasCyrillic(inEnglish.err)) << inEnglish.err;
    environment = "LC_ALL=ru_RU.UTF-8";

    std::filesystem::remove(project + ".cars");
    const Outcome broken = cli({"record", project});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find(".cars"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(project + ".cars"));

    for (const auto& wrong :
         std::vector<std::vector<std::string>>{{"record", project, "--tolerance", "0"},
                                               {"record", project, "--spacing", "-5"},
                                               {"record", project, "--seconds", "x"},
                                               {"record", project, "--horn-only=1"},
                                               {"build", project, "--seconds", "3"}}) {
        EXPECT_EQ(cli(wrong).status, 2) << testing::PrintToString(wrong);
    }
}

}  // namespace
}  // namespace qv::test
