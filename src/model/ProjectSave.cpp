#include "model/Cp1251.h"
#include "model/Error.h"
#include "model/FileBatch.h"
#include "model/FileMessages.h"
#include "model/IniDocument.h"
#include "model/ProjectFile.h"
#include "model/ProjectKeys.h"
#include "model/ProjectText.h"
#include "model/TreeTextFile.h"

namespace qv {

namespace k = project_keys;

namespace {

std::string iniFailure(const std::string& path, const std::string& /*reason*/) {
    return unableToWriteMessage(path);
}

// The project's INI file as it is now, so that saving updates it in place.
IniDocument existingIni(const std::string& path, FileSystem& files) {
    if (!files.fileExists(path) && !files.isDirectory(path)) {
        return {};
    }
    std::string bytes;
    if (!files.readFile(path, bytes, k::LargestFile)) {
        throw Error(iniFailure(path, {}));
    }
    try {
        return IniDocument(projectFileText(bytes, path));
    } catch (const Error&) {
        return {};  // no project's text: nothing in it is worth keeping
    }
}

void writeParameters(IniDocument& ini, const Mission& mission) {
    const MissionParameters& p = mission.parameters();
    ini.write(k::Coords, "StX", p.AStartX);
    ini.write(k::Coords, "StY", p.AStartY);
    ini.write(k::Coords, "StZ", p.AStartZ);
    ini.write(k::Strings, "StXvar", p.AStartXvar);
    ini.write(k::Strings, "StYvar", p.AStartYvar);
    ini.write(k::Strings, "StZvar", p.AStartZvar);
    ini.write(k::Strings, "MsPref", p.AMissionPrefix);
    ini.write(k::Strings, "MsName", p.AMissionName);
    ini.writeInteger(k::Integers, "MsNum", p.AMissionNumber);
    ini.writeInteger(k::Integers, "PlNum", p.PlayerCarNumber);
    ini.writeInteger(k::Integers, "CarNum", mission.carCount());
    ini.writeInteger(k::Integers, "CheckpNum", mission.checkpointCount());
    ini.writeInteger(k::Integers, "ObjectNum", mission.objectCount());
    ini.writeInteger(k::Integers, "EventNum", mission.eventCount());
    ini.writeInteger(k::Integers, "RaceType", p.ARaceType);
    // The laps of a circuit; programs that do not know the key leave it alone.
    ini.writeInteger(k::Integers, "LapsCount", p.ALapsCount);
}

// A car or an object: a model placed at a point with a heading.
template <typename Entry>
void writePlacement(IniDocument& ini, std::string_view section, std::string_view prefix, int row,
                    const Entry& entry) {
    ini.write(section, k::rowKey(prefix, row, "Model"), entry.Model);
    ini.write(section, k::rowKey(prefix, row, "X"), entry.X);
    ini.write(section, k::rowKey(prefix, row, "Y"), entry.Y);
    ini.write(section, k::rowKey(prefix, row, "Z"), entry.Z);
    ini.write(section, k::rowKey(prefix, row, "Angle"), entry.Angle);
}

void writeRows(IniDocument& ini, const Mission& mission) {
    for (int i = 1; i <= mission.carCount(); ++i) {
        writePlacement(ini, k::Cars, "Car", i, mission.car(i));
    }
    const MissionParameters& p = mission.parameters();
    ini.writeBool(k::Cars, "BP", p.BP);
    ini.writeBool(k::Cars, "VH", p.VH);
    ini.writeBool(k::Cars, "PlCar", p.PlayerCar);
    ini.writeInteger(k::Cars, "ImproveHandling", p.IHBar);
    for (int i = 1; i <= mission.checkpointCount(); ++i) {
        const CheckpointEntry& checkpoint = mission.checkpoint(i);
        ini.write(k::Checkpoints, k::rowKey("Checkp", i, "X"), checkpoint.X);
        ini.write(k::Checkpoints, k::rowKey("Checkp", i, "Y"), checkpoint.Y);
        ini.write(k::Checkpoints, k::rowKey("Checkp", i, "Z"), checkpoint.Z);
        ini.writeInteger(k::Checkpoints, k::rowKey("Checkp", i, "Speed"), checkpoint.Speed);
        ini.write(k::Checkpoints, k::rowKey("Checkp", i, "Type"), checkpoint.Type);
    }
    for (int i = 1; i <= mission.objectCount(); ++i) {
        writePlacement(ini, k::Objects, "Object", i, mission.object(i));
    }
}

void writeOthers(IniDocument& ini, const MissionParameters& p) {
    ini.writeInteger(k::Others, "MoneyPrize", p.AMoneyPrize);
    ini.writeInteger(k::Others, "Weather", p.AWeather);
    ini.writeInteger(k::Others, "TimeHour", p.AHour);
    ini.writeInteger(k::Others, "TimeMinute", p.AMinutes);
    for (std::size_t i = 0; i < p.Flags.size(); ++i) {
        ini.writeBool(k::Others, "Check" + std::to_string(i + 1), p.Flags[i]);
    }
    ini.writeBool(k::Others, "Check5", p.PassRepeat);
    ini.writeBool(k::Others, "Check6", p.ATime);
    ini.writeBool(k::Others, "Traffic", p.TrafficOn);
    ini.writeBool(k::Others, "Traffic2", p.TrafficOff);
}

void addTree(FileBatch& batch, const std::string& path, const TextTree& tree) {
    batch.add(path, encodeCp1251File(treeText(tree), path), cannotCreateFileMessage);
}

}  // namespace

void saveProject(const Mission& mission, const std::string& path, FileSystem& files) {
    IniDocument ini = existingIni(path, files);
    writeParameters(ini, mission);
    writeRows(ini, mission);
    writeOthers(ini, mission.parameters());

    // Everything is converted before anything is written: a text that Windows-1251 cannot
    // hold stops the save with nothing changed on the disk.
    FileBatch batch;
    batch.add(path, encodeCp1251File(ini.text(), path), iniFailure);
    addTree(batch, k::companion(path, k::CarsFile), mission.carTree());
    addTree(batch, k::companion(path, k::CheckpointsFile), mission.checkpointTree());
    if (mission.objectCount() > 0) {
        addTree(batch, k::companion(path, k::ObjectsFile), mission.objectTree());
    }
    if (mission.eventCount() > 0) {
        addTree(batch, k::companion(path, k::EventsFile), mission.eventsTree());
    }
    batch.write(files);
}

}  // namespace qv
