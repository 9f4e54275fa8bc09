#include "generator/ScriptWarnings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "gamedata/ObjectModels.h"
#include "gamedata/VehicleModels.h"
#include "model/IdentifierTidy.h"
#include "model/NumberText.h"
#include "platform/AsciiCase.h"
#include "platform/Translation.h"

namespace qv {

namespace {

// The game's limits, as they meet what the generated script creates and keeps until the race
// ends (see the race set-up, the countdown and the removal subroutine):
// - every car it creates (all rows but the player's own car), every opponent's driver
//   (create_random_driver_in_vehicle, all rows but the player's) and every object enters the
//   mission's clean-up list, which holds 75 entries; what does not fit stays in the world;
constexpr int CleanupListSize = 75;
// - a radar blip above each opponent's car (Marker.CreateAboveCar), one for the checkpoint being
//   driven to (create_checkpoint_at; the start marker is gone by then), and one for each marker
//   an event's action creates; the game keeps 175;
constexpr int RadarBlipLimit = 175;
// - every car of the race, the player's own included, stays in the vehicle pool of 110 beside
//   the traffic; with more than half of it the game cannot create traffic or the next car.
constexpr int VehiclePoolSize = 110;

// The map lies within -3000 ... 3000 in x and y.
constexpr double MapEdge = 3000.0;
// The race loop counts a checkpoint as reached within 12 units of it on each axis.
constexpr double CheckpointReach = 12.0;
// Closer than this, two checkpoints stand on the same spot.
constexpr double SameSpot = 1.0;

// The words in an event's action that create a radar blip.
constexpr std::array<std::string_view, 5> BlipMakers = {
    "marker.create", "create_marker", "create_icon_marker", "create_checkpoint_at", "add_blip"};

bool onlyDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

std::string lowered(std::string_view text) {
    std::string result(text);
    std::ranges::transform(result, result.begin(), asciiLower);
    return result;
}

class Collector {
  public:
    void add(MissionPart part, int row, std::string where, std::string text) {
        warnings.push_back({part, row, std::move(where), std::move(text)});
    }
    std::vector<ScriptWarning> warnings;
};

// `what` names a row by its number as %1: "Машина №%1".
std::string numbered(const std::string& what, int row) {
    return formatText(what, {std::to_string(row)});
}
std::string carPlace(int row) {
    return numbered(translate("ScriptWarnings", "Машина №%1"), row);
}
std::string checkpointPlace(int row) {
    return numbered(translate("ScriptWarnings", "Чекпоинт №%1"), row);
}
std::string objectPlace(int row) {
    return numbered(translate("ScriptWarnings", "Объект №%1"), row);
}
std::string eventPlace(int row) {
    return numbered(translate("ScriptWarnings", "Событие №%1"), row);
}

void checkIdentifiers(const MissionParameters& p, Collector& out) {
    const std::array<std::pair<const std::string*, const char*>, 3> variables = {
        std::pair{&p.AStartXvar, QT_TRANSLATE_NOOP("ScriptWarnings", "Переменная X старта")},
        std::pair{&p.AStartYvar, QT_TRANSLATE_NOOP("ScriptWarnings", "Переменная Y старта")},
        std::pair{&p.AStartZvar, QT_TRANSLATE_NOOP("ScriptWarnings", "Переменная Z старта")}};
    for (const auto& [field, where] : variables) {
        const std::string name = tidyIdentifier(*field);
        if (name.empty()) {
            out.add(MissionPart::Parameters, 0, translate("ScriptWarnings", where),
                    translate("ScriptWarnings",
                              "Имя переменной пусто, и Sanny Builder не скомпилирует «$» без "
                              "имени: впишите имя из латинских букв, своё в каждой миссии."));
        } else if (onlyDigits(name)) {
            out.add(MissionPart::Parameters, 0, translate("ScriptWarnings", where),
                    formatText(translate("ScriptWarnings",
                                         "Имя переменной «$%1» состоит из одних цифр, и Sanny "
                                         "Builder его не примет: начните имя с латинской буквы."),
                               {name}));
        }
    }
    if (tidyIdentifier(p.AMissionName).empty()) {
        out.add(MissionPart::Parameters, 0, translate("ScriptWarnings", "Имя миссии"),
                translate("ScriptWarnings",
                          "Имя потока миссии пусто, и Sanny Builder не скомпилирует «thread ''»: "
                          "впишите имя миссии, которого ещё нет в вашем main.scm."));
    }
    if (tidyIdentifier(p.AMissionPrefix).empty()) {
        out.add(MissionPart::Parameters, 0, translate("ScriptWarnings", "Префикс лейблов миссии"),
                translate("ScriptWarnings",
                          "Префикс лейблов пуст, и лейблы этой гонки совпадут с лейблами другой "
                          "гонки в main.scm, так что Sanny Builder её не скомпилирует: впишите "
                          "префикс, свой в каждой миссии."));
    }
}

// A row's coordinate or angle that is not a number goes into the script as typed.
template <typename Entry>
void checkNumbers(const Entry& entry, MissionPart part, int row, const std::string& where,
                  Collector& out) {
    std::vector<std::pair<std::string, const std::string*>> fields = {
        {"X", &entry.X}, {"Y", &entry.Y}, {"Z", &entry.Z}};
    if constexpr (requires { entry.Angle; }) {
        fields.emplace_back(translate("ScriptWarnings", "Угол"), &entry.Angle);
    }
    for (const auto& [name, text] : fields) {
        if (!numberValue(*text)) {
            out.add(part, row, where,
                    formatText(translate("ScriptWarnings",
                                         "%1 = «%2» — не число, а скрипт пишет его как есть, и "
                                         "Sanny Builder такой скрипт не скомпилирует: впишите "
                                         "число с точкой, например -1234.5."),
                               {name, *text}));
        }
    }
}

// A coordinate pair beyond the map's edge.
void checkOnMap(std::string_view x, std::string_view y, MissionPart part, int row,
                const std::string& where, Collector& out) {
    for (const auto& [axis, text] : {std::pair{"X", x}, std::pair{"Y", y}}) {
        const auto value = numberValue(text);
        if (value && std::fabs(*value) > MapEdge) {
            out.add(part, row, where,
                    formatText(translate("ScriptWarnings",
                                         "%1 = %2 лежит за краем карты (от -3000 до 3000), где в "
                                         "игре нет ни земли, ни дорог: проверьте координату."),
                               {axis, text}));
            return;
        }
    }
}

// Sanny Builder reads "#" followed by a model name of the game's .ide files; digits after it
// name no model, so a model typed as its number is refused.
void checkCarModel(const CarEntry& car, int row, Collector& out) {
    const std::string where = carPlace(row);
    if (onlyDigits(car.Model)) {
        const auto models = vehicleModels();
        const auto known = std::ranges::find_if(models, [&](const VehicleModel& model) {
            return std::to_string(model.id) == car.Model;
        });
        const std::string name =
            known != models.end() ? std::string(known->name) : std::string("INFERNUS");
        out.add(MissionPart::Cars, row, where,
                formatText(translate("ScriptWarnings",
                                     "Модель записана числом, а скрипт пишет перед ней «#», после "
                                     "которого Sanny Builder понимает только имя модели, так что "
                                     "«#%1» он не скомпилирует: впишите имя, например %2."),
                           {car.Model, name}));
        return;
    }
    const VehicleModel* model = findVehicleModel(car.Model);
    if (model == nullptr) {
        out.add(MissionPart::Cars, row, where,
                formatText(translate("ScriptWarnings",
                                     "«%1» — не имя модели транспорта игры, и Sanny Builder не "
                                     "скомпилирует «#%1», если эта модель не добавлена в вашу "
                                     "игру: выберите модель из подсказок поля модели."),
                           {car.Model}));
    } else if (!racesOnRoads(model->kind)) {
        out.add(MissionPart::Cars, row, where,
                formatText(translate("ScriptWarnings",
                                     "«%1» — %2, и по дорогам маршрута гонщик на нём не поедет: "
                                     "выберите автомобиль или мотоцикл."),
                           {model->name, std::string(vehicleKindName(model->kind))}));
    }
}

void checkCars(const Mission& mission, Collector& out) {
    const MissionParameters& p = mission.parameters();
    for (int row = 1; row <= mission.carCount(); ++row) {
        const CarEntry& car = mission.car(row);
        // The player's own car keeps its own model; the script writes none for it.
        if (!(p.PlayerCar && row == p.PlayerCarNumber)) {
            checkCarModel(car, row, out);
        }
        checkNumbers(car, MissionPart::Cars, row, carPlace(row), out);
        checkOnMap(car.X, car.Y, MissionPart::Cars, row, carPlace(row), out);
    }
}

bool withinReach(const CheckpointEntry& a, const CheckpointEntry& b, double reach) {
    for (const auto& [from, to] :
         {std::pair{&a.X, &b.X}, std::pair{&a.Y, &b.Y}, std::pair{&a.Z, &b.Z}}) {
        const auto u = numberValue(*from);
        const auto v = numberValue(*to);
        if (!u || !v || std::fabs(*u - *v) >= reach) {
            return false;
        }
    }
    return true;
}

void checkCheckpoints(const Mission& mission, Collector& out) {
    const int count = mission.checkpointCount();
    for (int row = 1; row <= count; ++row) {
        const CheckpointEntry& checkpoint = mission.checkpoint(row);
        const std::string where = checkpointPlace(row);
        checkNumbers(checkpoint, MissionPart::Checkpoints, row, where, out);
        checkOnMap(checkpoint.X, checkpoint.Y, MissionPart::Checkpoints, row, where, out);
        if (row > 1 && withinReach(mission.checkpoint(row - 1), checkpoint, SameSpot)) {
            out.add(MissionPart::Checkpoints, row, where,
                    translate("ScriptWarnings",
                              "Чекпоинт стоит там же, где предыдущий, и игра засчитает оба сразу: "
                              "удалите его или передвиньте."));
        }
    }
    if (mission.parameters().ARaceType == Circuit && count >= 2 &&
        withinReach(mission.checkpoint(1), mission.checkpoint(count), CheckpointReach)) {
        out.add(MissionPart::Checkpoints, count, checkpointPlace(count),
                translate("ScriptWarnings",
                          "Последний чекпоинт кольца ближе 12 метров к первому, и игра засчитает "
                          "круг сразу после него: отодвиньте последний чекпоинт от первого."));
    }
}

void checkObjects(const Mission& mission, Collector& out) {
    for (int row = 1; row <= mission.objectCount(); ++row) {
        const ObjectEntry& object = mission.object(row);
        checkNumbers(object, MissionPart::Objects, row, objectPlace(row), out);
        if (onlyDigits(object.Model)) {
            const ObjectModel* known = findObjectModelByNumber(object.Model);
            const std::string text =
                known != nullptr
                    ? formatText(translate("ScriptWarnings",
                                           "Модель объекта записана числом, а скрипт пишет перед "
                                           "ней «#», после которого Sanny Builder понимает только "
                                           "имя модели, так что «#%1» он не скомпилирует: впишите "
                                           "имя модели из файлов .ide игры, здесь %2."),
                                 {object.Model, known->name})
                    : formatText(translate("ScriptWarnings",
                                           "Модель объекта записана числом, а скрипт пишет перед "
                                           "ней «#», после которого Sanny Builder понимает только "
                                           "имя модели, так что «#%1» он не скомпилирует: впишите "
                                           "имя модели из файлов .ide игры."),
                                 {object.Model});
            out.add(MissionPart::Objects, row, objectPlace(row), text);
        }
    }
}

int blipsMadeBy(const EventEntry& event) {
    return static_cast<int>(std::ranges::count_if(event.Actions, [](const std::string& action) {
        const std::string text = lowered(action);
        return std::ranges::any_of(BlipMakers, [&](std::string_view maker) {
            return text.find(maker) != std::string::npos;
        });
    }));
}

int checkEvents(const Mission& mission, Collector& out) {
    int blips = 0;
    for (int row = 1; row <= mission.eventCount(); ++row) {
        const EventEntry event = mission.event(row);
        const auto conditions = event.Conditions.size();
        const std::string where = eventPlace(row);
        if (event.ConditionKind.empty() && conditions > 1) {
            out.add(MissionPart::Events, row, where,
                    translate("ScriptWarnings",
                              "Условий несколько, а перед ними простое «if», и Sanny Builder такое "
                              "условие не скомпилирует: выберите «and» или «or»."));
        } else if (!event.ConditionKind.empty() && conditions == 1) {
            out.add(MissionPart::Events, row, where,
                    formatText(translate("ScriptWarnings",
                                         "«if %1» стоит перед одним условием, а Sanny Builder ждёт "
                                         "после него от двух до восьми: выберите простое «if» или "
                                         "добавьте условие."),
                               {event.ConditionKind}));
        }
        blips += blipsMadeBy(event);
    }
    return blips;
}

// Events the events tree holds beyond the count read with them (a project whose count was
// lowered by hand): the script leaves them out.
void checkEventsLeftOut(const Mission& mission, Collector& out) {
    const TreeNode* root = mission.eventsTree().root();
    const int held = root != nullptr ? root->childCount() : 0;
    if (held > mission.eventCount()) {
        out.add(MissionPart::Events, 0, translate("ScriptWarnings", "События"),
                formatText(translate("ScriptWarnings",
                                     "В дереве событий их %1, а в проекте записано %2, и в скрипт "
                                     "попадут только первые %2: добавьте недостающие события "
                                     "заново или исправьте EventNum в файле проекта."),
                           {std::to_string(held), std::to_string(mission.eventCount())}));
    }
}

// A value read from a project that its control in the editor cannot hold. The command-line
// tool builds with it as read; the editor shows, and builds with, the value its control holds.
struct EditorRange {
    const char* where;  // the control's label
    int value;
    int least;
    int most;
    int shown;  // what the control holds for a value outside least ... most
};

void checkEditorRanges(const Mission& mission, Collector& out) {
    const MissionParameters& p = mission.parameters();
    const int lastWeather = static_cast<int>(weatherEntries().size()) - 1;
    const int lastCar = std::max(1, mission.carCount());
    std::vector<EditorRange> ranges = {
        {QT_TRANSLATE_NOOP("ScriptWarnings", "Номер миссии в мэйне"), p.AMissionNumber, 0, 500,
         std::clamp(p.AMissionNumber, 0, 500)},
        {QT_TRANSLATE_NOOP("ScriptWarnings", "Улучшенное управление машин противников"), p.IHBar, 0,
         5, std::clamp(p.IHBar, 0, 5)},
        // A list shows no entry for an index it does not have.
        {QT_TRANSLATE_NOOP("ScriptWarnings", "Погодные условия"), p.AWeather, -1, lastWeather, -1},
        {QT_TRANSLATE_NOOP("ScriptWarnings", "Время проведения (часы)"), p.AHour, 0, 23,
         std::clamp(p.AHour, 0, 23)},
        {QT_TRANSLATE_NOOP("ScriptWarnings", "Время проведения (минуты)"), p.AMinutes, 0, 59,
         std::clamp(p.AMinutes, 0, 59)},
    };
    if (p.PlayerCar) {
        ranges.push_back({QT_TRANSLATE_NOOP("ScriptWarnings", "Номер машины игрока"),
                          p.PlayerCarNumber, 1, lastCar,
                          std::clamp(p.PlayerCarNumber, 1, lastCar)});
    }
    for (const EditorRange& range : ranges) {
        if (range.value < range.least || range.value > range.most) {
            out.add(MissionPart::Parameters, 0, translate("ScriptWarnings", range.where),
                    formatText(translate("ScriptWarnings",
                                         "Значение %1 лежит вне пределов от %2 до %3, и редактор "
                                         "покажет и построит вместо него %4, а quorvane-cli "
                                         "построит как есть: задайте значение в редакторе и "
                                         "сохраните проект."),
                               {std::to_string(range.value), std::to_string(range.least),
                                std::to_string(range.most), std::to_string(range.shown)}));
        }
    }
}

void checkLimits(const Mission& mission, int eventBlips, Collector& out) {
    const MissionParameters& p = mission.parameters();
    const int cars = mission.carCount();
    const int opponents = std::max(cars - 1, 0);
    const int createdCars = p.PlayerCar ? opponents : cars;
    const int cleanup = createdCars + opponents + mission.objectCount();
    if (cleanup > CleanupListSize) {
        out.add(MissionPart::Cars, 0, translate("ScriptWarnings", "Машины и объекты"),
                formatText(translate("ScriptWarnings",
                                     "Гонка создаёт %1 машин, водителей и объектов, а игра убирает "
                                     "после миссии не больше 75, так что остальные останутся в "
                                     "мире: уменьшите число машин или объектов."),
                           {std::to_string(cleanup)}));
    }
    const int blips = opponents + 1 + eventBlips;
    if (blips > RadarBlipLimit) {
        out.add(MissionPart::Cars, 0, translate("ScriptWarnings", "Маркеры на радаре"),
                formatText(translate("ScriptWarnings",
                                     "Гонка держит на радаре %1 маркеров, а игра показывает не "
                                     "больше 175, так что лишние не появятся: уменьшите число "
                                     "соперников или маркеров в событиях."),
                           {std::to_string(blips)}));
    }
    if (cars > VehiclePoolSize / 2) {
        out.add(MissionPart::Cars, 0, translate("ScriptWarnings", "Машины"),
                formatText(translate("ScriptWarnings",
                                     "Машины гонки занимают %1 мест из 110, которые игра отводит "
                                     "всему транспорту, и на дорогах не хватит места для "
                                     "движения: оставьте не больше 55 машин."),
                           {std::to_string(cars)}));
    }
}

}  // namespace

std::vector<ScriptWarning> scriptWarnings(const Mission& mission) {
    Collector out;
    const MissionParameters& p = mission.parameters();
    checkIdentifiers(p, out);
    checkEditorRanges(mission, out);
    checkOnMap(p.AStartX, p.AStartY, MissionPart::Parameters, 0,
               translate("ScriptWarnings", "Старт гонки"), out);
    checkCars(mission, out);
    checkCheckpoints(mission, out);
    checkObjects(mission, out);
    const int eventBlips = checkEvents(mission, out);
    checkEventsLeftOut(mission, out);
    checkLimits(mission, eventBlips, out);
    return std::move(out.warnings);
}

std::string warningLine(const ScriptWarning& warning) {
    return "warning: " + warning.where + ": " + warning.text;
}

}  // namespace qv
