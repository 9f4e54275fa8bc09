#pragma once

#include <string>
#include <vector>

namespace qv {

// A car of the race. Coordinates and the angle are texts as typed or captured.
struct CarEntry {
    std::string Model;  // vehicle model identifier, without "#"
    std::string X = "0.00";
    std::string Y = "0.00";
    std::string Z = "0.00";
    std::string Angle = "0.00";
    std::vector<std::string> Components;  // tuning components, each "#" + model, at most 10

    bool operator==(const CarEntry&) const = default;
};

// Drive type codes of a checkpoint, as the project file and the script carry them.
namespace DriveType {
inline constexpr const char* Racing = "3";
inline constexpr const char* Normal = "1";
inline constexpr const char* Direct = "2";
inline constexpr const char* None = "-1";
}  // namespace DriveType

struct CheckpointEntry {
    std::string X = "0.00";
    std::string Y = "0.00";
    std::string Z = "0.00";
    int Speed = 1;                         // opponents' speed towards this checkpoint, 1..100
    std::string Type = DriveType::Racing;  // drive type code

    bool operator==(const CheckpointEntry&) const = default;
};

struct ObjectEntry {
    std::string Model;  // without "#"
    std::string X = "0.00";
    std::string Y = "0.00";
    std::string Z = "0.00";
    std::string Angle = "0.00";

    bool operator==(const ObjectEntry&) const = default;
};

// A scripted event; it exists only as nodes of the events tree.
struct EventEntry {
    std::string ConditionKind;  // "", "and" or "or"
    std::vector<std::string> Conditions;
    std::vector<std::string> Actions;

    bool operator==(const EventEntry&) const = default;
};

}  // namespace qv
