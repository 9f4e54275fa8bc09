#include <algorithm>

#include "model/Error.h"
#include "model/FileMessages.h"
#include "model/IniDocument.h"
#include "model/ProjectFile.h"
#include "model/ProjectKeys.h"
#include "model/ProjectText.h"
#include "model/TreeTextFile.h"
#include "model/TreeTexts.h"
#include "platform/Translation.h"

namespace qv {

namespace k = project_keys;

namespace {

// Larger event counts cannot come from a real project; they would only make a build run away.
constexpr int MaxEvents = 10000;

void requireCompanions(const std::string& path, const FileSystem& files) {
    const std::string checkpoints = k::companion(path, k::CheckpointsFile);
    const std::string cars = k::companion(path, k::CarsFile);
    // A folder in a file's place is no missing file: reading it says what stands there.
    const auto missing = [&files](const std::string& file) {
        return !files.fileExists(file) && !files.isDirectory(file);
    };
    const bool checkpointsMissing = missing(checkpoints);
    const bool carsMissing = missing(cars);
    if (carsMissing || checkpointsMissing) {
        // The message, a blank line, the list; the line ends stay out of the translated text.
        std::string message =
            translate("ProjectLoad", "Для загрузки необходимы следующие файлы:") + "\r\n\r\n";
        if (carsMissing) {
            message += cars + "; ";
        }
        if (checkpointsMissing) {
            message += checkpoints + "; ";
        }
        throw Error(message);
    }
}

std::string readBytes(const std::string& path, const FileSystem& files) {
    std::string bytes;
    const IoStatus status = files.readFile(path, bytes, k::LargestFile);
    if (!status) {
        throw Error(cannotOpenFileMessage(path, status.reason));
    }
    return bytes;
}

// Every project written holds these keys; a file with none of them is something else.
bool holdsProjectKeys(const IniDocument& ini) {
    const std::pair<std::string_view, std::string_view> keys[] = {
        {k::Coords, "StX"},         {k::Strings, "MsName"}, {k::Integers, "CarNum"},
        {k::Integers, "CheckpNum"}, {k::Cars, "BP"},        {k::Others, "Weather"}};
    return std::ranges::any_of(
        keys, [&ini](const auto& key) { return ini.value(key.first, key.second).has_value(); });
}

// A missing INI file reads as an empty one: every value takes its default.
IniDocument readIni(const std::string& path, const FileSystem& files) {
    if (!files.fileExists(path) && !files.isDirectory(path)) {
        return {};
    }
    const std::string bytes = readBytes(path, files);
    IniDocument ini(projectFileText(bytes, path));
    if (!holdsProjectKeys(ini)) {
        throw Error(notAProjectMessage(path, keylessLooks(bytes)));
    }
    return ini;
}

// A whole number of section Integers that the script cannot be built with outside its range.
// A value that is no whole number at all (one beyond 32 bits, say) is refused as well: read as
// the default, it would drop every row.
int readInRange(const IniDocument& ini, const char* key, int least, int most,
                const std::string& path) {
    const std::optional<std::string> text = ini.value(k::Integers, key);
    const std::optional<int> value = text ? parseProfileInteger(*text) : least;
    if (!value || *value < least || *value > most) {
        throw Error(formatText(translate("ProjectLoad",
                                         "Неверное значение %1 (%2) в файле \"%3\": "
                                         "допускается от %4 до %5"),
                               {key, value ? std::to_string(*value) : *text, path,
                                std::to_string(least), std::to_string(most)}));
    }
    return *value;
}

int readCount(const IniDocument& ini, const char* key, int most, const std::string& path) {
    return readInRange(ini, key, 0, most, path);
}

MissionParameters readParameters(const IniDocument& ini, int currentLaps, const std::string& path) {
    const auto text = [&ini](std::string_view section, std::string_view key) {
        return ini.readString(section, key, "");
    };
    MissionParameters p;
    p.AStartX = text(k::Coords, "StX");
    p.AStartY = text(k::Coords, "StY");
    p.AStartZ = text(k::Coords, "StZ");
    p.AStartXvar = text(k::Strings, "StXvar");
    p.AStartYvar = text(k::Strings, "StYvar");
    p.AStartZvar = text(k::Strings, "StZvar");
    p.AMissionPrefix = text(k::Strings, "MsPref");
    p.AMissionName = text(k::Strings, "MsName");
    p.AMissionNumber = ini.readInteger(k::Integers, "MsNum", 0);
    p.PlayerCarNumber = ini.readInteger(k::Integers, "PlNum", 0);
    p.BP = ini.readBool(k::Cars, "BP", false);
    p.VH = ini.readBool(k::Cars, "VH", false);
    p.PlayerCar = ini.readBool(k::Cars, "PlCar", false);
    p.PassRepeat = ini.readBool(k::Others, "Check5", false);
    p.ATime = ini.readBool(k::Others, "Check6", false);
    p.IHBar = ini.readInteger(k::Cars, "ImproveHandling", 0);
    p.AMoneyPrize = ini.readInteger(k::Others, "MoneyPrize", 0);
    p.AHour = ini.readInteger(k::Others, "TimeHour", 0);
    p.AMinutes = ini.readInteger(k::Others, "TimeMinute", 0);
    for (std::size_t i = 0; i < p.Flags.size(); ++i) {
        p.Flags[i] = ini.readBool(k::Others, "Check" + std::to_string(i + 1), false);
    }
    p.TrafficOn = ini.readBool(k::Others, "Traffic", false);
    p.TrafficOff = ini.readBool(k::Others, "Traffic2", false);
    p.AWeather = ini.readInteger(k::Others, "Weather", -1);
    // Another race type would build a script whose checkpoint arrays are never filled.
    p.ARaceType = readInRange(ini, "RaceType", Sprint, Circuit, path);
    // Projects written before the laps were saved keep the laps in effect. The key is the
    // program's own, so a value no circuit can have becomes the nearest one the editor offers.
    p.ALapsCount =
        std::clamp(ini.readInteger(k::Integers, "LapsCount", currentLaps), MinLaps, MaxLaps);
    return p;
}

// A car or an object: a model placed at a point with a heading; missing texts are empty.
template <typename Entry>
void readPlacement(const IniDocument& ini, std::string_view section, std::string_view prefix,
                   int row, Entry& entry) {
    entry.Model = ini.readString(section, k::rowKey(prefix, row, "Model"), "");
    entry.X = ini.readString(section, k::rowKey(prefix, row, "X"), "");
    entry.Y = ini.readString(section, k::rowKey(prefix, row, "Y"), "");
    entry.Z = ini.readString(section, k::rowKey(prefix, row, "Z"), "");
    entry.Angle = ini.readString(section, k::rowKey(prefix, row, "Angle"), "");
}

MissionData readData(const IniDocument& ini, const std::string& path, int currentLaps) {
    MissionData data;
    data.parameters = readParameters(ini, currentLaps, path);
    const auto text = [&ini](std::string_view section, const std::string& key) {
        return ini.readString(section, key, "");
    };
    data.cars.resize(static_cast<std::size_t>(readCount(ini, "CarNum", Mission::MaxRows, path)));
    for (std::size_t i = 0; i < data.cars.size(); ++i) {
        readPlacement(ini, k::Cars, "Car", static_cast<int>(i) + 1, data.cars[i]);
    }
    data.checkpoints.resize(
        static_cast<std::size_t>(readCount(ini, "CheckpNum", Mission::MaxRows, path)));
    for (std::size_t i = 0; i < data.checkpoints.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        CheckpointEntry& checkpoint = data.checkpoints[i];
        checkpoint.X = text(k::Checkpoints, k::rowKey("Checkp", row, "X"));
        checkpoint.Y = text(k::Checkpoints, k::rowKey("Checkp", row, "Y"));
        checkpoint.Z = text(k::Checkpoints, k::rowKey("Checkp", row, "Z"));
        checkpoint.Speed = ini.readInteger(k::Checkpoints, k::rowKey("Checkp", row, "Speed"), 0);
        checkpoint.Type = text(k::Checkpoints, k::rowKey("Checkp", row, "Type"));
    }
    data.objects.resize(
        static_cast<std::size_t>(readCount(ini, "ObjectNum", Mission::MaxRows, path)));
    for (std::size_t i = 0; i < data.objects.size(); ++i) {
        readPlacement(ini, k::Objects, "Object", static_cast<int>(i) + 1, data.objects[i]);
    }
    data.eventCount = readCount(ini, "EventNum", MaxEvents, path);
    return data;
}

std::vector<std::unique_ptr<TreeNode>> bareRoot(std::string text) {
    std::vector<std::unique_ptr<TreeNode>> nodes;
    nodes.push_back(std::make_unique<TreeNode>(std::move(text)));
    return nodes;
}

// A companion file's tree. A file without a single line gives the tree its bare root, so the
// mission keeps the root every tree has.
std::vector<std::unique_ptr<TreeNode>> readTree(const std::string& path, const FileSystem& files,
                                                std::string rootText) {
    auto nodes = readTreeText(projectFileText(readBytes(path, files), path), path);
    return nodes.empty() ? bareRoot(std::move(rootText)) : std::move(nodes);
}

// The rows a tree file holds: the children of its first node.
int rowsHeld(const std::vector<std::unique_ptr<TreeNode>>& tree) {
    return tree.empty() ? 0 : tree.front()->childCount();
}

// A count of rows its tree file does not hold would build rows from nothing: the file is not
// the one the count was saved with.
void requireRowsHeld(const char* key, int count, const std::vector<std::unique_ptr<TreeNode>>& tree,
                     const std::string& path, std::string_view suffix) {
    if (const int held = rowsHeld(tree); count > held) {
        throw Error(formatText(
            translate("ProjectLoad",
                      "Неверное значение %1 (%2) в файле \"%3\": "
                      "файл \"%4\" содержит только %5"),
            {key, std::to_string(count), path, k::companion(path, suffix), std::to_string(held)}));
    }
}

// Each car's tuning components, from the children of the "Тюнинг-компоненты (" node of its
// row node, the only place a project keeps them.
void readComponents(std::vector<CarEntry>& cars,
                    const std::vector<std::unique_ptr<TreeNode>>& tree) {
    const TreeNode* root = tree.empty() ? nullptr : tree.front().get();
    for (std::size_t i = 0; root != nullptr && i < cars.size(); ++i) {
        const TreeNode* carNode = root->child(static_cast<int>(i));
        for (int c = 0; carNode != nullptr && c < carNode->childCount(); ++c) {
            const TreeNode* group = carNode->child(c);
            if (!group->text().starts_with(tree_text::ComponentsPrefix)) {
                continue;
            }
            const int count = std::min(group->childCount(), Mission::MaxComponents);
            for (int n = 0; n < count; ++n) {
                cars[i].Components.push_back(tree_text::componentText(group->child(n)->text()));
            }
            break;
        }
    }
}

LoadSummary summaryOf(const MissionData& data) {
    const MissionParameters& p = data.parameters;
    LoadSummary summary;
    summary.title =
        formatText(translate("ProjectLoad", "Миссия \"%1\" успешно загружена!"), {p.AMissionName});
    // One line each, led by a space; a blank line of 32 spaces after the race type.
    const auto line = [](std::string text, std::size_t value) {
        return " " + formatText(text, {std::to_string(value)});
    };
    summary.text =
        " " +
        formatText(translate("ProjectLoad", "Тип гонки: %1"), {raceTypeCaption(p.ARaceType)}) +
        "\r\n" + std::string(32, ' ') + "\r\n" +
        line(translate("ProjectLoad", "Общее количество машин: %1"), data.cars.size()) + "\r\n" +
        line(translate("ProjectLoad", "Общее количество чекпоинтов: %1"), data.checkpoints.size()) +
        "\r\n" +
        line(translate("ProjectLoad", "Общее количество объектов: %1"), data.objects.size()) +
        "\r\n" +
        line(translate("ProjectLoad", "Общее количество событий: %1"),
             static_cast<std::size_t>(data.eventCount));
    return summary;
}

}  // namespace

LoadSummary loadProject(Mission& mission, const std::string& path, FileSystem& files) {
    requireCompanions(path, files);
    MissionData data = readData(readIni(path, files), path, mission.parameters().ALapsCount);

    MissionTrees trees;
    trees.cars = readTree(k::companion(path, k::CarsFile), files,
                          tree_text::carsRoot(static_cast<int>(data.cars.size())));
    trees.checkpoints =
        readTree(k::companion(path, k::CheckpointsFile), files,
                 tree_text::checkpointsRoot(static_cast<int>(data.checkpoints.size())));
    trees.objects = data.objects.empty() ? bareRoot(std::string(tree_text::ObjectsRoot))
                                         : readTree(k::companion(path, k::ObjectsFile), files,
                                                    std::string(tree_text::ObjectsRoot));
    trees.events = data.eventCount == 0 ? bareRoot(std::string(tree_text::EventsRoot))
                                        : readTree(k::companion(path, k::EventsFile), files,
                                                   std::string(tree_text::EventsRoot));
    requireRowsHeld("CarNum", static_cast<int>(data.cars.size()), trees.cars, path, k::CarsFile);
    requireRowsHeld("CheckpNum", static_cast<int>(data.checkpoints.size()), trees.checkpoints, path,
                    k::CheckpointsFile);
    requireRowsHeld("ObjectNum", static_cast<int>(data.objects.size()), trees.objects, path,
                    k::ObjectsFile);
    requireRowsHeld("EventNum", data.eventCount, trees.events, path, k::EventsFile);
    readComponents(data.cars, trees.cars);

    LoadSummary summary = summaryOf(data);
    mission.replace(std::move(data), std::move(trees));
    return summary;
}

}  // namespace qv
