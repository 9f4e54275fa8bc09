#pragma once

#include <string>
#include <string_view>

namespace qv::tree_text {

// The fixed node texts of the four tree mirrors; the companion files hold the same texts.
inline constexpr std::string_view StartCoordinates = "Координаты старта";
inline constexpr std::string_view Coordinates = "Координаты";
inline constexpr std::string_view ObjectsRoot = "Объекты";
inline constexpr std::string_view EventsRoot = "События";
inline constexpr std::string_view ConditionPrefix = "if ";
inline constexpr std::string_view ActionNode = "then";
inline constexpr std::string_view ComponentsPrefix = "Тюнинг-компоненты (";
inline constexpr std::string_view NoDriveTypeCaption = "Обычный (VC)";

std::string carsRoot(int count);            // "Машины (%d всего)"
std::string checkpointsRoot(int count);     // "Чекпоинты (%d всего)"
std::string carNode(int row);               // "Машина %d"
std::string checkpointNode(int row);        // "Чекпоинт %d"
std::string objectNode(int row);            // "Объект %d"
std::string eventNode(int row);             // "Событие %d"
std::string model(std::string_view model);  // "Модель: #%s"
std::string x(std::string_view value);      // "X: %s"
std::string y(std::string_view value);      // "Y: %s"
std::string z(std::string_view value);      // "Z: %s"
std::string angle(std::string_view value);  // "Угол: %s"
std::string componentsNode(int count);      // "Тюнинг-компоненты (" + count + ")"
std::string component(int number, std::string_view text);  // "%d: %s"
std::string speed(int speed);                              // "Скорость: %d.0"
std::string driveType(std::string_view caption);  // "Тип езды: %s", or the no-caption text
std::string condition(std::string_view kind);     // "if " + kind

// The component text of a "%d: %s" node: everything after the first ": ".
std::string componentText(std::string_view nodeText);

// A node's text as the trees show it in the current language. The trees and their files hold
// the Russian texts above whatever the language; this gives the fixed texts and the fixed parts
// of the texts above, and the drive type captions the checkpoint dialogs write, in the current
// language, and leaves any other text (a model, a number, an event's line) as it is.
std::string shownText(std::string_view nodeText);

}  // namespace qv::tree_text
