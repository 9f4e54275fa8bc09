#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ErrorOf.h"
#include "ExampleMissions.h"
#include "LanguageScope.h"
#include "ProjectTestSupport.h"
#include "generator/ScriptGenerator.h"
#include "model/EventText.h"
#include "model/InputCheck.h"
#include "model/ProjectFile.h"

namespace qv::test {
namespace {

// The example sprint saved, with `change` made to its file texts (path -> UTF-8 text).
FakeFileSystem savedSprint(
    const std::function<void(std::map<std::string, std::string>&)>& change = {}) {
    Mission mission;
    fillLosSantosSprint(mission);
    FakeFileSystem files;
    saveProject(mission, Project, files);
    std::map<std::string, std::string> texts;
    for (const auto& [path, bytes] : files.files) {
        texts[path] = decodeCp1251(bytes);
    }
    if (change) {
        change(texts);
    }
    FakeFileSystem changed;
    for (const auto& [path, text] : texts) {
        putText(changed, path, text);
    }
    return changed;
}

void replaceIn(std::string& text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

void load(FakeFileSystem files) {
    Mission mission;
    loadProject(mission, Project, files);
}

void checkInputOf(const std::function<void(Mission&)>& fill) {
    Mission mission;
    fill(mission);
    checkInput(mission);
}

// Every failure a user meets in the core, as the action that fails.
std::vector<std::pair<const char*, std::function<void()>>> failures() {
    return {
        {"start coordinates",
         [] {
             checkInputOf([](Mission& m) {
                 fillLosSantosSprint(m);
                 MissionParameters p = m.parameters();
                 p.AStartX = "abc";
                 m.setParameters(p);
             });
         }},
        {"no opponent",
         [] { checkInputOf([](Mission& m) {
                  m.appendCar({"ELEGY", "1", "2", "3", "4", {}});
              }); }},
        {"empty model",
         [] {
             checkInputOf([](Mission& m) {
                 fillLosSantosSprint(m);
                 CarEntry car = m.car(2);
                 car.Model.clear();
                 m.changeCar(2, car);
             });
         }},
        {"circuit of one checkpoint",
         [] {
             checkInputOf([](Mission& m) {
                 m.appendCar({"ELEGY", "1", "2", "3", "4", {}});
                 m.appendCar({"ELEGY", "1", "2", "3", "4", {}});
                 m.appendCheckpoint({"1", "2", "3", 50, "3"}, "Гоночный ");
                 MissionParameters p = m.parameters();
                 p.ARaceType = Circuit;
                 m.setParameters(p);
             });
         }},
        {"event without conditions", [] { checkEventText("", "wait 0"); }},
        {"row not in the mission", [] { Mission().removeRow(MissionPart::Checkpoints, 3); }},
        {"companions missing",
         [] { load(savedSprint([](auto& texts) { texts.erase(Project + ".cars"); })); }},
        {"race type out of range",
         [] {
             load(savedSprint(
                 [](auto& texts) { replaceIn(texts[Project], "RaceType=0", "RaceType=7"); }));
         }},
        {"more cars than the tree holds",
         [] {
             load(savedSprint(
                 [](auto& texts) { replaceIn(texts[Project], "CarNum=4", "CarNum=9"); }));
         }},
        {"not a project",
         [] { load(savedSprint([](auto& texts) { texts[Project] = "hello\r\n"; })); }},
        {"tree level skipped",
         [] {
             load(savedSprint(
                 [](auto& texts) { texts[Project + ".cars"] += "\t\t\t\t\t\tdeep\r\n"; }));
         }},
        {"character beyond Windows-1251",
         [] {
             Mission mission;
             fillLosSantosSprint(mission);
             MissionParameters p = mission.parameters();
             p.AMissionName = "RACE\u2192";
             mission.setParameters(p);
             FakeFileSystem files;
             saveProject(mission, Project, files);
         }},
    };
}

TEST(EnglishMessages, EveryFailureOfInputLoadingAndSavingIsWhollyEnglish) {
    for (const auto& [name, action] : failures()) {
        SCOPED_TRACE(name);
        const std::string russian = errorOf(action);
        EXPECT_NE(russian, "(no error)");
        EXPECT_TRUE(hasCyrillic(russian)) << russian;
        const LanguageScope english(Language::English);
        const std::string message = errorOf(action);
        EXPECT_NE(message, "(no error)");
        EXPECT_FALSE(hasCyrillic(message) || hasPlaceholder(message)) << message;
    }
}

TEST(EnglishMessages, UndoStepsAreNamedInEnglish) {
    const LanguageScope english(Language::English);
    Mission mission;
    fillLosSantosSprint(mission);
    const std::vector<std::function<void()>> edits = {
        [&] {
            mission.appendCar({"ELEGY", "1", "2", "3", "4", {}});
        },
        [&] {
            mission.insertCar(1, {"ELEGY", "1", "2", "3", "4", {}});
        },
        [&] { mission.duplicateRow(MissionPart::Checkpoints, 1); },
        [&] { mission.moveRow(MissionPart::Checkpoints, 1, 2); },
        [&] { mission.removeRow(MissionPart::Cars, 1); },
        [&] { mission.placeStart("1.0", "2.0", "3.0"); },
        [&] {
            MissionParameters p = mission.parameters();
            p.AWeather = 3;
            mission.setParameters(p);
        },
    };
    for (const auto& edit : edits) {
        edit();
        const std::string name = mission.undoName();
        EXPECT_FALSE(name.empty() || hasCyrillic(name) || hasPlaceholder(name)) << name;
    }
}

// What the program writes does not follow the language: the example projects load, build
// and save to the same bytes in English as in Russian, and only the summary shown differs.
TEST(EnglishMessages, TheExamplesBuildAndSaveTheSameBytesInEitherLanguage) {
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QV_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".qvnx") {
            continue;
        }
        ++examples;
        SCOPED_TRACE(entry.path().string());
        struct Result {
            LoadSummary summary;
            std::string script;
            std::map<std::string, std::string> saved;
        };
        const auto build = [&](Language language) {
            const LanguageScope scope(language);
            Mission mission;
            Result result;
            result.summary = loadProject(mission, entry.path().string(), systemFileSystem());
            result.script = generateScript(mission, "09.12.2026 01:00:00");
            FakeFileSystem files;
            saveProject(mission, Project, files);
            result.saved = files.files;
            return result;
        };
        const Result russian = build(Language::Russian);
        const Result english = build(Language::English);
        EXPECT_TRUE(english.script == russian.script);
        EXPECT_TRUE(english.saved == russian.saved);
        EXPECT_NE(english.summary.text, russian.summary.text);
        for (const std::string& shown : {english.summary.title, english.summary.text}) {
            EXPECT_FALSE(hasCyrillic(shown) || hasPlaceholder(shown)) << shown;
        }
    }
    EXPECT_GE(examples, 2);
}

}  // namespace
}  // namespace qv::test
