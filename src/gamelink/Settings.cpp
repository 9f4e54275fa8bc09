#include "gamelink/Settings.h"

#include "model/Cp1251.h"
#include "model/Error.h"
#include "model/FileMessages.h"
#include "model/IniDocument.h"
#include "platform/Paths.h"

namespace qv {
namespace {

constexpr std::string_view Section = "Main";
// The settings are a few dozen lines, the recent projects and window places included.
constexpr std::uint64_t LargestSettings = 1u << 20;

}  // namespace

std::string settingsPath(const std::string& workingFolder) {
    return joinPath(workingFolder, "settings.ini");
}

IniDocument readSettingsFile(const FileSystem& files, const std::string& path) {
    std::string bytes;
    if (!files.fileExists(path) || !files.readFile(path, bytes, LargestSettings)) {
        return IniDocument();
    }
    return IniDocument(decodeCp1251(bytes));
}

void updateSettingsFile(FileSystem& files, const std::string& path,
                        const std::function<void(IniDocument& ini)>& change) {
    std::string bytes;
    if (files.fileExists(path) && !files.readFile(path, bytes, LargestSettings)) {
        // Rewriting a file that cannot be read would lose its other sections.
        throw Error(unableToWriteMessage(path));
    }
    IniDocument ini(decodeCp1251(bytes));
    change(ini);
    if (!writeFileAtomically(files, path, encodeCp1251File(ini.text(), path))) {
        throw Error(unableToWriteMessage(path));
    }
}

Settings readSettings(const FileSystem& files, const std::string& path) {
    const IniDocument ini = readSettingsFile(files, path);
    Settings settings;
    settings.missionTest = ini.readBool(Section, "MissionTest", false);
    settings.gameFolder = ini.readString(Section, "GameDir", "");
    settings.compilerFolder = ini.readString(Section, "SBDir", "");
    return settings;
}

void writeSettings(FileSystem& files, const std::string& path, const Settings& settings) {
    updateSettingsFile(files, path, [&](IniDocument& ini) {
        ini.writeBool(Section, "MissionTest", settings.missionTest);
        ini.write(Section, "GameDir", settings.gameFolder);
        ini.write(Section, "SBDir", settings.compilerFolder);
    });
}

std::optional<WindowPlacement> readWindowPlacement(const FileSystem& files, const std::string& path,
                                                   std::string_view section) {
    const IniDocument ini = readSettingsFile(files, path);
    const WindowPlacement placement{
        ini.readInteger(section, "Left", 0), ini.readInteger(section, "Top", 0),
        ini.readInteger(section, "Width", 0), ini.readInteger(section, "Height", 0)};
    if (placement.width <= 0 || placement.height <= 0) {
        return std::nullopt;
    }
    return placement;
}

void writeWindowPlacement(FileSystem& files, const std::string& path, std::string_view section,
                          const WindowPlacement& placement) {
    updateSettingsFile(files, path, [&](IniDocument& ini) {
        ini.writeInteger(section, "Left", placement.left);
        ini.writeInteger(section, "Top", placement.top);
        ini.writeInteger(section, "Width", placement.width);
        ini.writeInteger(section, "Height", placement.height);
    });
}

}  // namespace qv
