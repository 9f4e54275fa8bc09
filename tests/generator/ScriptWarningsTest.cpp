#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "LanguageScope.h"
#include "gamedata/VehicleModels.h"
#include "generator/ScriptGenerator.h"
#include "generator/ScriptWarnings.h"
#include "model/TreeTextFile.h"

namespace qv {
namespace {

void addCars(Mission& mission, int count, const std::string& model = "INFERNUS") {
    for (int i = 0; i < count; ++i) {
        mission.appendCar({model, "100.0", "200.0", "10.0", "0.0", {}});
    }
}

void addCheckpoint(Mission& mission, const std::string& x, const std::string& y,
                   const std::string& z = "10.0") {
    mission.appendCheckpoint({x, y, z, 50, "3"}, "Гоночный ");
}

// A sprint that builds and warns about nothing: two cars, one checkpoint.
void fillQuiet(Mission& mission) {
    addCars(mission, 2);
    addCheckpoint(mission, "500.0", "500.0");
}

void setParameter(Mission& mission, const std::function<void(MissionParameters&)>& change) {
    MissionParameters p = mission.parameters();
    change(p);
    mission.setParameters(p);
}

void changeCar(Mission& mission, int row, const std::function<void(CarEntry&)>& change) {
    CarEntry car = mission.car(row);
    change(car);
    mission.changeCar(row, car);
}

EventEntry event(const std::string& kind, int conditions, int actions = 1,
                 const std::string& action = "wait 0 ms") {
    EventEntry entry{kind, {}, {}};
    for (int i = 0; i < conditions; ++i) {
        entry.Conditions.push_back("Player.Defined($PLAYER_CHAR)");
    }
    entry.Actions.assign(static_cast<std::size_t>(actions), action);
    return entry;
}

// The mission as a project would load it whose events tree holds `held` events while its
// count says `count`.
void holdEventsBeyondTheCount(Mission& mission, int held, int count) {
    std::string events = "События\r\n";
    for (int e = 1; e <= held; ++e) {
        events += "\tСобытие " + std::to_string(e) + "\r\n\t\tif\r\n\t\t\t$a == 1\r\n";
    }
    const auto copy = [](const TextTree& tree) { return readTreeText(treeText(tree), "copy"); };
    MissionData data = mission.data();
    data.eventCount = count;
    mission.replace(data, {copy(mission.carTree()), copy(mission.checkpointTree()),
                           copy(mission.objectTree()), readTreeText(events, "race.qvnx.events")});
}

const std::string Marker = "$m = Marker.CreateAboveCar($car[1])";

struct Case {
    const char* name;
    std::function<void(Mission&)> change;  // applied to the quiet sprint
    MissionPart part;
    int row;
    std::string where;
    bool fires;
    std::string mentions = {};  // a text the warning names, where one place has several
};

std::vector<Case> cases() {
    using P = MissionParameters;
    return {
        // Values a project holds that the editor's controls cannot: named with what it uses.
        {"handling beyond the slider",
         [](Mission& m) { setParameter(m, [](P& p) { p.IHBar = 9; }); }, MissionPart::Parameters, 0,
         "Улучшенное управление машин противников", true, "вместо него 5"},
        {"an hour of 30", [](Mission& m) { setParameter(m, [](P& p) { p.AHour = 30; }); },
         MissionPart::Parameters, 0, "Время проведения (часы)", true, "вместо него 23"},
        {"a weather the list lacks",
         [](Mission& m) { setParameter(m, [](P& p) { p.AWeather = 21; }); },
         MissionPart::Parameters, 0, "Погодные условия", true, "вместо него -1"},
        {"no weather chosen", [](Mission& m) { setParameter(m, [](P& p) { p.AWeather = -1; }); },
         MissionPart::Parameters, 0, "Погодные условия", false},
        {"player's car past the last car",
         [](Mission& m) {
             setParameter(m, [](P& p) {
                 p.PlayerCar = true;
                 p.PlayerCarNumber = 3;
             });
         },
         MissionPart::Parameters, 0, "Номер машины игрока", true, "вместо него 2"},
        // Events the count leaves out of the script.
        {"events beyond the count", [](Mission& m) { holdEventsBeyondTheCount(m, 3, 1); },
         MissionPart::Events, 0, "События", true, "только первые 1"},
        {"every event counted", [](Mission& m) { holdEventsBeyondTheCount(m, 2, 2); },
         MissionPart::Events, 0, "События", false},
        // Identifiers, judged after the tidy.
        {"variable tidied to nothing",
         [](Mission& m) { setParameter(m, [](P& p) { p.AStartXvar = "!?-"; }); },
         MissionPart::Parameters, 0, "Переменная X старта", true},
        {"variable with a letter",
         [](Mission& m) { setParameter(m, [](P& p) { p.AStartXvar = "X-"; }); },
         MissionPart::Parameters, 0, "Переменная X старта", false},
        {"digits joined by the tidy's underscore",
         [](Mission& m) { setParameter(m, [](P& p) { p.AStartYvar = "1 2"; }); },
         MissionPart::Parameters, 0, "Переменная Y старта", false},
        {"variable of digits only",
         [](Mission& m) { setParameter(m, [](P& p) { p.AStartZvar = "12.3"; }); },
         MissionPart::Parameters, 0, "Переменная Z старта", true},
        {"empty mission name",
         [](Mission& m) { setParameter(m, [](P& p) { p.AMissionName = "--"; }); },
         MissionPart::Parameters, 0, "Имя миссии", true},
        {"mission name of digits",
         [](Mission& m) { setParameter(m, [](P& p) { p.AMissionName = "12"; }); },
         MissionPart::Parameters, 0, "Имя миссии", false},
        {"empty label prefix",
         [](Mission& m) { setParameter(m, [](P& p) { p.AMissionPrefix = ""; }); },
         MissionPart::Parameters, 0, "Префикс лейблов миссии", true},
        {"label prefix given",
         [](Mission& m) { setParameter(m, [](P& p) { p.AMissionPrefix = "R"; }); },
         MissionPart::Parameters, 0, "Префикс лейблов миссии", false},
        // Conditions of events.
        {"plain if with two conditions", [](Mission& m) { m.appendEvent(event("", 2)); },
         MissionPart::Events, 1, "Событие №1", true},
        {"plain if with one condition", [](Mission& m) { m.appendEvent(event("", 1)); },
         MissionPart::Events, 1, "Событие №1", false},
        {"if and with one condition",
         [](Mission& m) {
             m.appendEvent(event("", 1));
             m.appendEvent(event("and", 1));
         },
         MissionPart::Events, 2, "Событие №2", true},
        {"if or with two conditions", [](Mission& m) { m.appendEvent(event("or", 2)); },
         MissionPart::Events, 1, "Событие №1", false},
        // Game limits: 38 cars keep 38 cars and 37 drivers, the clean-up list's 75.
        {"clean-up list full", [](Mission& m) { addCars(m, 36); }, MissionPart::Cars, 0,
         "Машины и объекты", false},
        {"clean-up list overflows",
         [](Mission& m) {
             addCars(m, 36);
             m.appendObject({"BARREL4", "1.0", "1.0", "1.0", "0.0"});
         },
         MissionPart::Cars, 0, "Машины и объекты", true},
        {"own car is not created",
         [](Mission& m) {
             addCars(m, 36);
             m.appendObject({"BARREL4", "1.0", "1.0", "1.0", "0.0"});
             setParameter(m, [](P& p) { p.PlayerCar = true; });
         },
         MissionPart::Cars, 0, "Машины и объекты", false},
        // One opponent's blip and the checkpoint's, plus the events' markers, against 175.
        {"radar blips at the limit", [](Mission& m) { m.appendEvent(event("", 1, 173, Marker)); },
         MissionPart::Cars, 0, "Маркеры на радаре", false},
        {"radar blips over the limit",
         [](Mission& m) {
             m.appendEvent(event("", 1, 173, Marker));
             m.appendEvent(event("", 1, 1, "0A40: $x = create_marker_at 0.0 0.0 0.0"));
         },
         MissionPart::Cars, 0, "Маркеры на радаре", true},
        {"half the vehicle pool", [](Mission& m) { addCars(m, 53); }, MissionPart::Cars, 0,
         "Машины", false},
        {"more than half the vehicle pool", [](Mission& m) { addCars(m, 54); }, MissionPart::Cars,
         0, "Машины", true},
        // Car and object models.
        {"car model as a number",
         [](Mission& m) { changeCar(m, 2, [](CarEntry& c) { c.Model = "411"; }); },
         MissionPart::Cars, 2, "Машина №2", true, "INFERNUS"},
        {"car model misspelt",
         [](Mission& m) { changeCar(m, 2, [](CarEntry& c) { c.Model = "INFERNOS"; }); },
         MissionPart::Cars, 2, "Машина №2", true, "#INFERNOS"},
        {"car model in small letters",
         [](Mission& m) { changeCar(m, 2, [](CarEntry& c) { c.Model = "sultan"; }); },
         MissionPart::Cars, 2, "Машина №2", false},
        {"train in the race",
         [](Mission& m) { changeCar(m, 1, [](CarEntry& c) { c.Model = "STREAK"; }); },
         MissionPart::Cars, 1, "Машина №1", true, "поезд"},
        {"bike in the race",
         [](Mission& m) { changeCar(m, 1, [](CarEntry& c) { c.Model = "NRG500"; }); },
         MissionPart::Cars, 1, "Машина №1", false},
        {"own car's model is not written",
         [](Mission& m) {
             changeCar(m, 1, [](CarEntry& c) { c.Model = "411"; });
             setParameter(m, [](P& p) { p.PlayerCar = true; });
         },
         MissionPart::Cars, 1, "Машина №1", false},
        {"object model as a number",
         [](Mission& m) {
             m.appendObject({"1225", "1.0", "1.0", "1.0", "0.0"});
         },
         MissionPart::Objects, 1, "Объект №1", true},
        {"object model as the number of a cone: its name is offered",
         [](Mission& m) {
             m.appendObject({"1238", "1.0", "1.0", "1.0", "0.0"});
         },
         MissionPart::Objects, 1, "Объект №1", true, "TRAFFICCONE"},
        {"object model by name",
         [](Mission& m) {
             m.appendObject({"BARREL4", "1.0", "1.0", "1.0", "0.0"});
         },
         MissionPart::Objects, 1, "Объект №1", false},
        // The map's edge.
        {"start beyond the edge",
         [](Mission& m) { setParameter(m, [](P& p) { p.AStartX = "3000.5"; }); },
         MissionPart::Parameters, 0, "Старт гонки", true},
        {"start on the edge",
         [](Mission& m) { setParameter(m, [](P& p) { p.AStartY = "-3000"; }); },
         MissionPart::Parameters, 0, "Старт гонки", false},
        {"car beyond the edge",
         [](Mission& m) { changeCar(m, 2, [](CarEntry& c) { c.Y = "-4100.0"; }); },
         MissionPart::Cars, 2, "Машина №2", true},
        {"checkpoint beyond the edge", [](Mission& m) { addCheckpoint(m, "3100", "0.0"); },
         MissionPart::Checkpoints, 2, "Чекпоинт №2", true},
        // A row's number that is none: its own warning, and no guess at where it lies.
        {"car x with letters after the number",
         [](Mission& m) { changeCar(m, 2, [](CarEntry& c) { c.X = "12abc"; }); }, MissionPart::Cars,
         2, "Машина №2", true, "12abc"},
        {"car x beyond the edge with letters after it",
         [](Mission& m) { changeCar(m, 2, [](CarEntry& c) { c.X = "-4000abc"; }); },
         MissionPart::Cars, 2, "Машина №2", true, "-4000abc"},
        {"checkpoint height with a decimal comma",
         [](Mission& m) { addCheckpoint(m, "0.0", "0.0", "1,5"); }, MissionPart::Checkpoints, 2,
         "Чекпоинт №2", true, "1,5"},
        {"object angle beyond any number",
         [](Mission& m) {
             m.appendObject({"BARREL4", "1.0", "1.0", " 1.0 ", "1e999"});
         },
         MissionPart::Objects, 1, "Объект №1", true, "1e999"},
        {"checkpoint high above the map",
         [](Mission& m) { addCheckpoint(m, "0.0", "0.0", "5000.0"); }, MissionPart::Checkpoints, 2,
         "Чекпоинт №2", false},
        // The route.
        {"circuit closing at its start",
         [](Mission& m) {
             addCheckpoint(m, "900.0", "900.0");
             addCheckpoint(m, "505.0", "490.0", "12.0");
             setParameter(m, [](P& p) { p.ARaceType = Circuit; });
         },
         MissionPart::Checkpoints, 3, "Чекпоинт №3", true},
        {"sprint ending at its start",
         [](Mission& m) {
             addCheckpoint(m, "900.0", "900.0");
             addCheckpoint(m, "505.0", "490.0");
         },
         MissionPart::Checkpoints, 3, "Чекпоинт №3", false},
        {"circuit closing apart from its start",
         [](Mission& m) {
             addCheckpoint(m, "900.0", "900.0");
             addCheckpoint(m, "520.0", "500.0");
             setParameter(m, [](P& p) { p.ARaceType = Circuit; });
         },
         MissionPart::Checkpoints, 3, "Чекпоинт №3", false},
        {"checkpoint twice on one spot", [](Mission& m) { addCheckpoint(m, "500.5", "500.0"); },
         MissionPart::Checkpoints, 2, "Чекпоинт №2", true},
        {"checkpoints close but apart", [](Mission& m) { addCheckpoint(m, "502.0", "500.0"); },
         MissionPart::Checkpoints, 2, "Чекпоинт №2", false},
    };
}

TEST(ScriptWarnings, AQuietSprintHasNone) {
    Mission mission;
    fillQuiet(mission);
    EXPECT_TRUE(scriptWarnings(mission).empty());
}

TEST(ScriptWarnings, EachFiresWhereItShouldAndOnlyThere) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        Mission mission;
        fillQuiet(mission);
        c.change(mission);
        const std::string scriptBefore = generateScript(mission, "t");
        const auto warnings = scriptWarnings(mission);
        int found = 0;
        for (const ScriptWarning& w : warnings) {
            if (w.where == c.where) {
                ++found;
                EXPECT_EQ(w.part, c.part);
                EXPECT_EQ(w.row, c.row);
                EXPECT_NE(w.text.find(c.mentions), std::string::npos) << w.text;
                // One sentence: what happens in the game, then what to do.
                EXPECT_NE(w.text.find(": "), std::string::npos) << w.text;
                EXPECT_EQ(w.text.back(), '.') << w.text;
            }
        }
        EXPECT_EQ(found, c.fires ? 1 : 0);
        EXPECT_EQ(generateScript(mission, "t"), scriptBefore);
    }
}

// `text` without the names of the kinds of vehicles, the vehicle list's own words.
std::string withoutKindNames(std::string text) {
    using enum VehicleKind;
    for (const VehicleKind kind : {Car, Bike, Boat, Aircraft, Train, Trailer}) {
        const std::string name(vehicleKindName(kind));
        for (auto at = text.find(name); !name.empty() && at != std::string::npos;
             at = text.find(name)) {
            text.erase(at, name.size());
        }
    }
    return text;
}

// Under English the same warnings come at the same places, wholly in English, and the script
// is the same.
TEST(ScriptWarnings, SpeakEnglishWhollyAndLeaveTheScriptAlone) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        Mission mission;
        fillQuiet(mission);
        c.change(mission);
        const auto russian = scriptWarnings(mission);
        const std::string script = generateScript(mission, "t");
        const test::LanguageScope english(Language::English);
        const auto warnings = scriptWarnings(mission);
        ASSERT_EQ(warnings.size(), russian.size());
        for (std::size_t i = 0; i < warnings.size(); ++i) {
            EXPECT_EQ(warnings[i].part, russian[i].part);
            EXPECT_EQ(warnings[i].row, russian[i].row);
            EXPECT_FALSE(test::hasCyrillic(withoutKindNames(warnings[i].text)) ||
                         test::hasCyrillic(warnings[i].where) ||
                         test::hasPlaceholder(warningLine(warnings[i])))
                << warningLine(warnings[i]);
        }
        EXPECT_EQ(generateScript(mission, "t"), script);
    }
}

TEST(ScriptWarnings, CommandLineFormIsWarningWhereText) {
    const ScriptWarning warning{MissionPart::Cars, 2, "Машина №2", "Текст."};
    EXPECT_EQ(warningLine(warning), "warning: Машина №2: Текст.");
}

}  // namespace
}  // namespace qv
