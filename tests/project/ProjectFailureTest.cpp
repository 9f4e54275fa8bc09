#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "GoldenMissions.h"
#include "ProjectTestSupport.h"
#include "model/Error.h"
#include "model/ProjectFile.h"

namespace qv::test {
namespace {

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.message();
    }
    return "(no error)";
}

// A saved golden sprint (with objects and events), ready to be damaged.
class ProjectFailures : public testing::Test {
  protected:
    void SetUp() override {
        fillGoldenSprint(mission);
        saveProject(mission, Project, files);
        saved = files.files;
        before = treesOf(mission);
    }
    std::string load() {
        return messageOf([this] { loadProject(mission, Project, files); });
    }
    std::string save(const Mission& what) {
        return messageOf([&] { saveProject(what, Project, files); });
    }
    void expectMissionUnchanged() {
        Mission golden;
        fillGoldenSprint(golden);
        EXPECT_EQ(mission.data(), golden.data());
        EXPECT_EQ(treesOf(mission), before);
    }

    Mission mission;
    FakeFileSystem files;
    std::map<std::string, std::string> saved;
    std::string before;
};

TEST_F(ProjectFailures, MissingCompanionFilesAreNamedCarsFirst) {
    const std::string head = "Для загрузки необходимы следующие файлы:\r\n\r\n";
    files.files.erase(Project + ".cars");
    EXPECT_EQ(load(), head + Project + ".cars; ");
    files.files.erase(Project + ".checkps");
    EXPECT_EQ(load(), head + Project + ".cars; " + Project + ".checkps; ");
    files.files = saved;
    files.files.erase(Project + ".checkps");
    EXPECT_EQ(load(), head + Project + ".checkps; ");
    expectMissionUnchanged();
}

TEST_F(ProjectFailures, AnUnreadableFileStopsTheLoadAndChangesNothing) {
    files.files.erase(Project + ".objects");
    EXPECT_EQ(load(), "Cannot open file \"" + Project + ".objects\". No such file or directory");
    expectMissionUnchanged();
    files.files = saved;
    files.unreadable.insert(Project + ".events");
    EXPECT_EQ(load(), "Cannot open file \"" + Project + ".events\". Permission denied");
    files.unreadable.insert(Project);
    EXPECT_EQ(load(), "Cannot open file \"" + Project + "\". Permission denied");
    expectMissionUnchanged();
}

TEST_F(ProjectFailures, AFolderGivenAsTheProject) {
    files.files = {};
    files.folders.insert(Project);
    EXPECT_EQ(load(), "Для загрузки необходимы следующие файлы:\r\n\r\n" + Project + ".cars; " +
                          Project + ".checkps; ");
    files.files = saved;
    files.files.erase(Project);
    EXPECT_EQ(load(), "Cannot open file \"" + Project + "\". Is a directory");
    EXPECT_EQ(save(mission), "Unable to write to " + Project);
    expectMissionUnchanged();
}

TEST_F(ProjectFailures, AnIndentationJumpNamesTheLevelAndTheLine) {
    putText(files, Project + ".checkps", "Чекпоинты (3 всего)\r\n\t\t\tX: 1\r\n");
    EXPECT_EQ(load(), "Invalid level (3) for item \"X: 1\"");
    // Leading blanks count as levels, as in every file of this format.
    putText(files, Project + ".checkps", "Чекпоинты (3 всего)\r\n\tЧекпоинт 1\r\n\t\t   wait\r\n");
    EXPECT_EQ(load(), "Invalid level (5) for item \"wait\"");
    expectMissionUnchanged();
}

TEST_F(ProjectFailures, CountsAndRaceTypesOutOfRangeAreRefusedBeforeAnythingIsBuilt) {
    const auto withCount = [this](const std::string& from, const std::string& to) {
        std::string ini = decodeCp1251(saved.at(Project));
        ini.replace(ini.find(from), from.size(), to);
        putText(files, Project, ini);
        return load();
    };
    EXPECT_EQ(withCount("CarNum=3", "CarNum=101"), "Неверное значение CarNum (101) в файле \"" +
                                                       Project + "\": допускается от 0 до 100");
    EXPECT_TRUE(
        withCount("CheckpNum=3", "CheckpNum=-1").starts_with("Неверное значение CheckpNum (-1)"));
    EXPECT_TRUE(withCount("ObjectNum=2", "ObjectNum=0x7FFFFFFF")
                    .starts_with("Неверное значение ObjectNum (2147483647)"));
    EXPECT_TRUE(
        withCount("EventNum=2", "EventNum=-5").starts_with("Неверное значение EventNum (-5)"));
    const std::string raceType = "RaceType=0";  // a sprint
    EXPECT_EQ(withCount(raceType, "RaceType=2"),
              "Неверное значение RaceType (2) в файле \"" + Project + "\": допускается от 0 до 1");
    EXPECT_TRUE(withCount(raceType, "RaceType=-1").starts_with("Неверное значение RaceType (-1)"));
    expectMissionUnchanged();
    EXPECT_EQ(withCount("EventNum=2", "EventNum=10000"), "(no error)");
}

TEST_F(ProjectFailures, AFailedWriteChangesNoFileAndLeavesNoTemporaryFile) {
    Mission other;
    fillGoldenCircuit(other);
    other.appendObject({"1238"});
    other.appendEvent({"", {"$a == 1"}, {"wait 0"}});

    files.failWrite(1);
    EXPECT_EQ(save(other), "Unable to write to " + Project);
    EXPECT_EQ(files.files, saved);
    for (int n = 2; n <= 5; ++n) {
        files.failWrite(n);
        const std::string message = save(other);
        EXPECT_TRUE(message.starts_with("Cannot create file \"" + Project + ".")) << message;
        EXPECT_TRUE(message.ends_with("\". No space left on device")) << message;
        EXPECT_EQ(files.files, saved) << n;
    }
    files.failWrite(3);
    EXPECT_EQ(save(other),
              "Cannot create file \"" + Project + ".checkps\". No space left on device");
    files.readOnly.insert(Project + ".events.tmp");
    EXPECT_EQ(save(other), "Cannot create file \"" + Project + ".events\". Permission denied");
    EXPECT_EQ(files.files, saved);
}

TEST_F(ProjectFailures, AFailedRenameLeavesEachFileOldOrNew) {
    Mission other;
    fillGoldenCircuit(other);
    files.failRename(2);
    EXPECT_EQ(save(other), "Cannot create file \"" + Project + ".cars\". Permission denied");
    EXPECT_NE(files.files.at(Project), saved.at(Project));  // renamed before the failure: new
    EXPECT_EQ(files.files.at(Project + ".cars"), saved.at(Project + ".cars"));  // old
    EXPECT_EQ(files.files.at(Project + ".checkps"), saved.at(Project + ".checkps"));
    for (const auto& [path, bytes] : files.files) {
        EXPECT_FALSE(path.ends_with(".tmp")) << path;
    }
    files.failRename(1);
    EXPECT_EQ(save(other), "Unable to write to " + Project);
}

TEST_F(ProjectFailures, ATextWindows1251CannotHoldIsNamedAndNothingIsWritten) {
    Mission other;
    fillGoldenSprint(other);
    MissionParameters p = other.parameters();
    p.AMissionPrefix = "Race€";  // the euro sign is in Windows-1251
    other.setParameters(p);
    other.appendEvent({"", {"$a == 1"}, {"// 🏁 finish"}});
    const int writesBefore = files.writes();
    EXPECT_EQ(save(other),
              "Символ \"🏁\" (U+1F3C1) нельзя записать в кодировке Windows-1251: файл \"" + Project +
                  ".events\", строка 18: // 🏁 finish");
    EXPECT_EQ(files.files, saved);
    EXPECT_EQ(files.writes(), writesBefore);

    p.AMissionName = "RACE\u3042";
    other.setParameters(p);
    EXPECT_EQ(save(other),
              "Символ \"\u3042\" (U+3042) нельзя записать в кодировке Windows-1251: файл \"" +
                  Project + "\", строка 10: MsName=RACE\u3042");
    p.AMissionName = "BAD\xFF";
    other.setParameters(p);
    EXPECT_EQ(save(other),
              "Неверная последовательность байтов UTF-8: файл \"" + Project + "\", строка 10");
    EXPECT_EQ(files.files, saved);
}

TEST_F(ProjectFailures, LineBreaksInsideTextsAreRefused) {
    MissionParameters p = mission.parameters();
    p.AMissionName = "TWO\nLINES";
    mission.setParameters(p);
    EXPECT_EQ(save(mission),
              "Значение ключа MsName раздела [Strings] содержит перевод строки и не может быть "
              "записано");
    p.AMissionName = "ONE";
    mission.setParameters(p);
    mission.changeCar(1, {"TWO\rLINES", "1", "2", "3", "4", {}});
    EXPECT_EQ(
        save(mission),
        "Значение ключа Car1Model раздела [Cars] содержит перевод строки и не может быть записано");
    EXPECT_EQ(files.files, saved);
}

}  // namespace
}  // namespace qv::test
