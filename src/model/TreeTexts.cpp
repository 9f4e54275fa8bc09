#include "model/TreeTexts.h"

namespace qv::tree_text {

namespace {
std::string join(std::string_view head, std::string_view tail) {
    std::string text(head);
    text += tail;
    return text;
}
}  // namespace

std::string carsRoot(int count) {
    return "Машины (" + std::to_string(count) + " всего)";
}
std::string checkpointsRoot(int count) {
    return "Чекпоинты (" + std::to_string(count) + " всего)";
}
std::string carNode(int row) {
    return "Машина " + std::to_string(row);
}
std::string checkpointNode(int row) {
    return "Чекпоинт " + std::to_string(row);
}
std::string objectNode(int row) {
    return "Объект " + std::to_string(row);
}
std::string eventNode(int row) {
    return "Событие " + std::to_string(row);
}
std::string model(std::string_view model) {
    return join("Модель: #", model);
}
std::string x(std::string_view value) {
    return join("X: ", value);
}
std::string y(std::string_view value) {
    return join("Y: ", value);
}
std::string z(std::string_view value) {
    return join("Z: ", value);
}
std::string angle(std::string_view value) {
    return join("Угол: ", value);
}
std::string componentsNode(int count) {
    return join(ComponentsPrefix, std::to_string(count) + ")");
}
std::string component(int number, std::string_view text) {
    return join(std::to_string(number) + ": ", text);
}
std::string speed(int speed) {
    return "Скорость: " + std::to_string(speed) + ".0";
}
std::string driveType(std::string_view caption) {
    return join("Тип езды: ", caption.empty() ? NoDriveTypeCaption : caption);
}
std::string condition(std::string_view kind) {
    return join(ConditionPrefix, kind);
}

std::string componentText(std::string_view nodeText) {
    const auto separator = nodeText.find(": ");
    if (separator == std::string_view::npos) {
        return std::string(nodeText);
    }
    return std::string(nodeText.substr(separator + 2));
}

}  // namespace qv::tree_text
