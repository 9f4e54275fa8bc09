#pragma once

#include <string>

#include "gamelink/RecordedRoute.h"
#include "model/Entries.h"
#include "model/Mission.h"

namespace qv {

// Puts a recorded route into the mission as ONE undo step named
// "запись маршрута: 24 чекпоинта, 2 машины" (in the current language, with its plural forms;
// in English "route recording: 24 checkpoints, 2 cars"): the checkpoints inserted
// so that the first becomes checkpoint row `firstRow` (1..count+1; count+1 appends), each
// with the speed and drive type of `pattern` (its X/Y/Z replaced) and `driveTypeCaption` as
// the add dialog writes it; the cars appended. Rows beyond the 100-row limits are not laid.
// Returns the step's name (also a fine summary line). Nothing changes for an empty route.
std::string addRecordedRoute(Mission& mission, const RecordedRoute& route, int firstRow,
                             const CheckpointEntry& pattern, const std::string& driveTypeCaption);

// The add checkpoint dialog's defaults as the CLI uses them: its lowest speed and the racing
// drive type, with the caption the dialog writes for it (the project keeps the caption: it is
// the same in every language).
CheckpointEntry addDialogCheckpoint();
std::string addDialogDriveTypeCaption();

// A recorded car as its row holds it: the game's name of its model (the number for a model
// the game does not have), place and heading as the capture writes them.
CarEntry recordedCarEntry(const RecordedCar& car);

// The step's name for `checkpoints` and `cars` rows: "запись маршрута: 1 чекпоинт, 0 машин".
std::string recordedRouteStepName(int checkpoints, int cars);

}  // namespace qv
