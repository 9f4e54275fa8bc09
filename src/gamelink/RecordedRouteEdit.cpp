#include "gamelink/RecordedRouteEdit.h"

#include <algorithm>

#include "gamedata/VehicleModels.h"
#include "gamelink/PositionCapture.h"
#include "platform/Translation.h"

namespace qv {
namespace {

// The model as a car's row names it: the game's name for its own vehicles, else the number.
std::string modelName(int model) {
    const auto models = vehicleModels();
    const auto found = std::ranges::find(models, model, &VehicleModel::id);
    return found != models.end() ? std::string(found->name) : std::to_string(model);
}

}  // namespace

CarEntry recordedCarEntry(const RecordedCar& car) {
    CarEntry entry;
    entry.Model = modelName(car.model);
    entry.X = fixedTwoDecimals(car.position.x);
    entry.Y = fixedTwoDecimals(car.position.y);
    entry.Z = fixedTwoDecimals(car.position.z);
    entry.Angle = fixedTwoDecimals(car.heading);
    return entry;
}

std::string recordedRouteStepName(int checkpoints, int cars) {
    const std::string checkpoint = translate("RecordedRouteEdit", "чекпоинт");
    const std::string checkpointsFew = translate("RecordedRouteEdit", "чекпоинта");
    const std::string checkpointsMany = translate("RecordedRouteEdit", "чекпоинтов");
    const std::string car = translate("RecordedRouteEdit", "машина");
    const std::string carsFew = translate("RecordedRouteEdit", "машины");
    const std::string carsMany = translate("RecordedRouteEdit", "машин");
    return formatText(translate("RecordedRouteEdit", "запись маршрута: %1 %2, %3 %4"),
                      {std::to_string(checkpoints),
                       pluralForm(checkpoints, checkpoint, checkpointsFew, checkpointsMany),
                       std::to_string(cars), pluralForm(cars, car, carsFew, carsMany)});
}

std::string addRecordedRoute(Mission& mission, const RecordedRoute& route, int firstRow,
                             const CheckpointEntry& pattern, const std::string& driveTypeCaption) {
    const int checkpoints = std::min(static_cast<int>(route.checkpoints.size()),
                                     Mission::MaxRows - mission.checkpointCount());
    const int cars =
        std::min(static_cast<int>(route.cars.size()), Mission::MaxRows - mission.carCount());
    const std::string name = recordedRouteStepName(checkpoints, cars);
    Mission::Batch batch(mission, name);
    int row = std::clamp(firstRow, 1, mission.checkpointCount() + 1);
    for (int i = 0; i < checkpoints; ++i) {
        const RoutePoint& point = route.checkpoints[static_cast<std::size_t>(i)];
        CheckpointEntry entry = pattern;
        entry.X = fixedTwoDecimals(point.x);
        entry.Y = fixedTwoDecimals(point.y);
        entry.Z = fixedTwoDecimals(point.z);
        row = mission.insertCheckpoint(row, entry, driveTypeCaption) + 1;
    }
    for (int i = 0; i < cars; ++i) {
        mission.appendCar(recordedCarEntry(route.cars[static_cast<std::size_t>(i)]));
    }
    return name;
}

CheckpointEntry addDialogCheckpoint() {
    CheckpointEntry entry;
    entry.Speed = 1;
    entry.Type = DriveType::Racing;
    return entry;
}

std::string addDialogDriveTypeCaption() {
    return "Гоночный ";
}

}  // namespace qv
