#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/IniDocument.h"
#include "platform/FileSystem.h"

namespace qv {

// The program's settings as the file settings.ini keeps them, in its section "Main".
struct Settings {
    bool missionTest = false;    // "MissionTest": test-run every built mission
    std::string gameFolder;      // "GameDir": the game's folder, ending with a separator
    std::string compilerFolder;  // "SBDir": Sanny Builder's folder, ending with a separator

    bool operator==(const Settings&) const = default;
};

// settings.ini in the folder the program started in.
std::string settingsPath(const std::string& workingFolder);

// The settings in the file at `path`; a missing file or key gives the default (off, empty,
// empty), a "MissionTest" that is not an integer counts as off.
Settings readSettings(const FileSystem& files, const std::string& path);

// Writes the three keys in section "Main", leaving every other line of the file as it was.
// Throws Error "Unable to write to <path>" when the file cannot be written.
void writeSettings(FileSystem& files, const std::string& path, const Settings& settings);

// The whole of settings.ini at `path` (empty when there is none or it cannot be read), and a
// change of some of its keys that leaves every other line as it was. The change throws Error
// "Unable to write to <path>" when the file cannot be read or written.
IniDocument readSettingsFile(const FileSystem& files, const std::string& path);
void updateSettingsFile(FileSystem& files, const std::string& path,
                        const std::function<void(IniDocument& ini)>& change);

// Where a window stands on the screen and its size, kept in a section of its own.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowPlacement&) const = default;
};

// The placement kept in `section` ("Left", "Top", "Width", "Height"); nullopt when the file or
// a key is missing or the size is not positive.
std::optional<WindowPlacement> readWindowPlacement(const FileSystem& files, const std::string& path,
                                                   std::string_view section);
// Writes the four keys in `section`, leaving every other line of the file as it was. Throws
// Error "Unable to write to <path>" when the file cannot be written.
void writeWindowPlacement(FileSystem& files, const std::string& path, std::string_view section,
                          const WindowPlacement& placement);

}  // namespace qv
