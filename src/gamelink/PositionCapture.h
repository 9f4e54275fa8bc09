#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/GameProcess.h"
#include "platform/Translation.h"

namespace qv {

// The capture's warnings as written; shown as translate(CaptureContext, warning.data()).
inline constexpr const char* CaptureContext = "PositionCapture";
inline constexpr std::string_view GameNotRunningWarning = QT_TRANSLATE_NOOP(
    "PositionCapture", "Невозможно определить координаты, так как игра не запущена!");
inline constexpr std::string_view MemorySearchWarning = QT_TRANSLATE_NOOP(
    "PositionCapture", "Невозможно определить координаты (ошибка поиска в памяти).");

// The text fields of a window that receive a captured position. `angle` is empty when the
// window has no heading field (or keeps its heading, as the modify object dialog does).
struct CoordinateFields {
    std::function<void(const std::string&)> x;
    std::function<void(const std::string&)> y;
    std::function<void(const std::string&)> z;
    std::function<void(const std::string&)> angle;
};

// Shows one of the two warnings above, translated: a modal box titled "Quorvane" with a warning
// icon and OK.
using CaptureWarning = std::function<void(std::string_view)>;

// Reads the player's position (and heading, when there is an angle field) out of the running
// game and writes each value into its field as soon as it is read, as "%f" text: fixed
// notation, two decimals, "." whatever the locale. When the game is not running or the player
// cannot be found in its memory, `warn` is called and no field changes.
void getCoordinates(const GameProcess& game, const CoordinateFields& fields,
                    const CaptureWarning& warn);

// A float as the capture writes it: "2488.56", "-1666.84", "0.00".
std::string fixedTwoDecimals(float value);

}  // namespace qv
