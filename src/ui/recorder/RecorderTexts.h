#pragma once

#include <QString>

#include "gamelink/RouteRecorder.h"

namespace qv::ui {

// The recorder's status line for what the latest sample showed; empty for nothing to say.
QString recorderNoteText(RecorderNote note);

// The live figures: "Время: 2:05" (hours shown from the first on), "Путь: 850 м" and from a
// kilometre on "Путь: 1.24 км", "Скорость: 84 км/ч" for a speed as the script counts it.
QString recordedTimeText(double seconds);
QString recordedDistanceText(double metres);
QString recordedSpeedText(float scriptSpeed);

}  // namespace qv::ui
