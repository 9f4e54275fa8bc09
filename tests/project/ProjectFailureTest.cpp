#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

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
    EXPECT_EQ(load(), "Cannot open file \"" + Project + "\". Это папка, а не файл");
    EXPECT_EQ(save(mission), "Unable to write to " + Project);
    expectMissionUnchanged();
}

// Each damage of a saved project, and what the refusal must name.
struct Damage {
    const char* what;
    std::function<void(FakeFileSystem&)> apply;
    std::vector<std::string> named;  // every one of these is in the message
};

std::string iniWith(const FakeFileSystem& files, const std::string& from, const std::string& to) {
    std::string ini = textOf(files, Project);
    ini.replace(ini.find(from), from.size(), to);
    return ini;
}

TEST_F(ProjectFailures, DamagedProjectsAreRefusedNamingTheFileAndWhatIsWrong) {
    const auto replaced = [](std::string from, std::string to) {
        return [=](FakeFileSystem& f) { putText(f, Project, iniWith(f, from, to)); };
    };
    const auto bytes = [](std::string path, std::string content) {
        return [=](FakeFileSystem& f) { f.files[path] = content; };
    };
    const std::string notAProject = "не является проектом гонки";
    const Damage damages[] = {
        {"a count beyond 32 bits",
         replaced("CarNum=3", "CarNum=99999999999999999999"),
         {"CarNum (99999999999999999999)", Project}},
        {"a count that is no number",
         replaced("ObjectNum=2", "ObjectNum=two"),
         {"ObjectNum (two)", Project}},
        {"more events than the tree holds",
         replaced("EventNum=2", "EventNum=10000"),
         {"EventNum (10000)", Project + ".events", "только 2"}},
        {"more cars than the tree holds",
         [](FakeFileSystem& f) {
             putText(f, Project + ".cars", "Машины (3 всего)\r\n\tМашина 1\r\n");
         },
         {"CarNum (3)", Project + ".cars", "только 1"}},
        {"UTF-16",
         bytes(Project, std::string("\xFF\xFE[\0C\0o\0o\0r\0d\0s\0]\0", 18)),
         {Project, notAProject, "UTF-16"}},
        {"zero bytes", bytes(Project, std::string(4096, '\0')), {Project, notAProject}},
        {"random bytes",
         bytes(Project, "\x8F\x13\xA7\xFE\x01\x99\r\n\x7F=\x05"),
         {Project, notAProject}},
        {"an empty INI file", bytes(Project, ""), {Project, notAProject}},
        {"a line nine levels deeper",
         [](FakeFileSystem& f) {
             putText(
                 f, Project + ".checkps",
                 "Чекпоинты (3 всего)\r\n\tЧекпоинт 1\r\n" + std::string(10, '\t') + "X: 1\r\n");
         },
         {"(10)", "строке 3", Project + ".checkps", "X: 1"}},
        {"blanks counted as levels",
         [](FakeFileSystem& f) {
             putText(f, Project + ".checkps",
                     "Чекпоинты (3 всего)\r\n\tЧекпоинт 1\r\n\t\t   wait\r\n");
         },
         {"(5)", "строке 3", Project + ".checkps", "wait"}},
        {"a folder for the car file",
         [](FakeFileSystem& f) {
             f.files.erase(Project + ".cars");
             f.folders.insert(Project + ".cars");
         },
         {Project + ".cars", "папка"}},
        {"a pipe for the events file",
         [](FakeFileSystem& f) {
             f.files.erase(Project + ".events");
             f.devices.insert(Project + ".events");
         },
         {Project + ".events", "канал или устройство"}},
        {"a car file above the size of any project",
         bytes(Project + ".cars", std::string((16u << 20) + 1, '\t')),
         {Project + ".cars", "16 МБ"}},
        {"a tree of more lines than any project holds",
         bytes(Project + ".events", "События\r\n" + std::string(200'000, '\n')),
         {Project + ".events", notAProject}},
    };
    for (const Damage& damage : damages) {
        files.files = saved;
        files.folders.clear();
        files.devices.clear();
        damage.apply(files);
        const std::string message = load();
        for (const std::string& part : damage.named) {
            EXPECT_NE(message.find(part), std::string::npos) << damage.what << ": " << message;
        }
        expectMissionUnchanged();
    }
}

TEST_F(ProjectFailures, ATextEditorsUtf8IsReadAndSavedBackInWindows1251) {
    for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
        files.files = saved;
        files.files[Project] = mark + textOf(files, Project);
        for (const char* suffix : {".cars", ".events"}) {
            files.files[Project + suffix] = mark + textOf(files, Project + suffix);
        }
        EXPECT_EQ(load(), "(no error)");
        expectMissionUnchanged();  // the golden sprint's Cyrillic texts, read as they were
        EXPECT_EQ(save(mission), "(no error)");
        EXPECT_EQ(files.files, saved);
    }
}

TEST_F(ProjectFailures, Utf8WithACharacterWindows1251LacksIsReadAsWindows1251AndSavedAsItWas) {
    const std::string name = "MsName=";
    const std::string named = name + "\xE4\xB8\xAD";  // "中" in UTF-8
    std::string& ini = files.files[Project];
    ini.insert(ini.find(name) + name.size(), named.substr(name.size()));
    ASSERT_EQ(load(), "(no error)");
    FakeFileSystem copy;
    EXPECT_NO_THROW(saveProject(mission, Project, copy));
    EXPECT_NE(copy.files[Project].find(named), std::string::npos);
}

TEST_F(ProjectFailures, LapsTheEditorCannotShowAreBroughtIntoItsRange) {
    for (const auto& [written, loaded] : {std::pair{"LapsCount=0", MinLaps},
                                          {"LapsCount=-7", MinLaps},
                                          {"LapsCount=99", MaxLaps},
                                          {"LapsCount=12", 12}}) {
        putText(files, Project, iniWith(files, "LapsCount=4", written));
        loadProject(mission, Project, files);
        EXPECT_EQ(mission.parameters().ALapsCount, loaded) << written;
        files.files = saved;
    }
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
    EXPECT_EQ(withCount("EventNum=2", "EventNum=1"), "(no error)");  // a warning, see the script's
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
