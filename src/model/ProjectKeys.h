#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The names a project's files are known by: the companion files' suffixes and the INI file's
// sections and row keys.
namespace qv::project_keys {

// No file of a project may be larger: the largest real project is under 200 KB in all.
inline constexpr std::uint64_t LargestFile = 16u << 20;

inline constexpr std::string_view CarsFile = ".cars";
inline constexpr std::string_view CheckpointsFile = ".checkps";
inline constexpr std::string_view ObjectsFile = ".objects";
inline constexpr std::string_view EventsFile = ".events";

inline constexpr std::string_view Coords = "Coords";
inline constexpr std::string_view Strings = "Strings";
inline constexpr std::string_view Integers = "Integers";
inline constexpr std::string_view Cars = "Cars";
inline constexpr std::string_view Checkpoints = "Checkpoints";
inline constexpr std::string_view Objects = "Objects";
inline constexpr std::string_view Others = "Others";

// The key of column `column` of row `row`: "Car", 12, "Model" make "Car12Model".
inline std::string rowKey(std::string_view prefix, int row, std::string_view column) {
    return std::string(prefix) + std::to_string(row) + std::string(column);
}

// The companion file of a project: the suffix appended to the whole project path.
inline std::string companion(const std::string& project, std::string_view suffix) {
    return project + std::string(suffix);
}

}  // namespace qv::project_keys
