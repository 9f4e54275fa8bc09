#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/Entries.h"
#include "model/MissionParameters.h"
#include "model/TextTree.h"

namespace qv {

enum class MissionPart { Parameters, Cars, Checkpoints, Objects, Events, Everything };

// Told after every change of the mission's parameters or row counts. Tree changes reach views
// through the trees' own observers.
class MissionObserver {
  public:
    virtual ~MissionObserver() = default;
    virtual void missionChanged(MissionPart part) = 0;
};

// Everything of a mission but its trees: the parameters and the tables. Loading builds one of
// these with the trees and hands both to Mission::replace.
struct MissionData {
    MissionParameters parameters;
    std::vector<CarEntry> cars;
    std::vector<CheckpointEntry> checkpoints;
    std::vector<ObjectEntry> objects;
    int eventCount = 0;

    bool operator==(const MissionData&) const = default;
};

// The top-level nodes of the four tree mirrors, as a file reader or a copy gives them.
struct MissionTrees {
    std::vector<std::unique_ptr<TreeNode>> cars;
    std::vector<std::unique_ptr<TreeNode>> checkpoints;
    std::vector<std::unique_ptr<TreeNode>> objects;
    std::vector<std::unique_ptr<TreeNode>> events;
};

// The one race being edited: parameters, four tables and their four tree mirrors, always in
// step. Rows are numbered from 1; they are appended at the end and removed from the end only.
// Events exist only as nodes of the events tree.
class Mission {
  public:
    static constexpr int MaxRows = 100;
    static constexpr int MaxComponents = 10;
    static constexpr int MaxConditions = 6;
    // Throws Error when an event has more condition lines than MaxConditions.
    static void checkConditionCount(std::size_t count);

    Mission();
    Mission(const Mission&) = delete;
    Mission& operator=(const Mission&) = delete;

    const MissionParameters& parameters() const { return data_.parameters; }
    void setParameters(const MissionParameters& parameters);

    const MissionData& data() const { return data_; }
    int carCount() const { return static_cast<int>(data_.cars.size()); }
    int checkpointCount() const { return static_cast<int>(data_.checkpoints.size()); }
    int objectCount() const { return static_cast<int>(data_.objects.size()); }
    int eventCount() const { return data_.eventCount; }
    // Rows by number, from 1. Throw Error for a row that does not exist.
    const CarEntry& car(int row) const;
    const CheckpointEntry& checkpoint(int row) const;
    const ObjectEntry& object(int row) const;
    // Event `row` as its tree nodes hold it; an event whose nodes are missing reads as empty.
    EventEntry event(int row) const;
    // The sum of all cars' tuning component counts.
    int componentTotal() const;

    const TextTree& carTree() const { return carTree_; }
    const TextTree& checkpointTree() const { return checkpointTree_; }
    const TextTree& objectTree() const { return objectTree_; }
    const TextTree& eventsTree() const { return eventsTree_; }

    // Append a row and its subtree; return the new row number. A 101st row, or a car with more
    // than 10 components, is refused with an Error and nothing changes.
    int appendCar(const CarEntry& car);
    // `driveTypeCaption` is the drive type as the dialog that writes the row shows it.
    int appendCheckpoint(const CheckpointEntry& checkpoint, const std::string& driveTypeCaption);
    int appendObject(const ObjectEntry& object);
    int appendEvent(const EventEntry& event);

    // Overwrite row `row` and rewrite the texts of its nodes in place.
    void changeCar(int row, const CarEntry& car);
    void changeCheckpoint(int row, const CheckpointEntry& checkpoint,
                          const std::string& driveTypeCaption);
    void changeObject(int row, const ObjectEntry& object);
    // Rebuilds the event's condition and action lines from `event`.
    void changeEvent(int row, const EventEntry& event);

    // Remove the last row; false (and nothing changed) when the table is empty.
    bool removeLastCar();
    bool removeLastCheckpoint();
    bool removeLastObject();
    bool removeLastEvent();

    // In-place edit of one condition or action line of the events tree. Structural nodes keep
    // their texts and an empty text is refused; returns whether the line changed.
    bool editEventLine(const TreeNode& node, const std::string& text);
    static bool isEventLine(const TreeNode& node);

    // The row a selected node stands for: its position among the root's children plus 1 when
    // it is a row node (a child of the tree's first node), 0 for any other node.
    static int rowForNode(const TextTree& tree, const TreeNode* node);

    // Replace the whole mission at once (loading).
    void replace(MissionData data, MissionTrees trees);
    // A deep copy of the trees, for saving or for a second mission.
    MissionTrees cloneTrees() const;

    void addObserver(MissionObserver* observer) const;
    void removeObserver(MissionObserver* observer) const;

  private:
    void notify(MissionPart part) const;
    TreeNode& rootOf(TextTree& tree);
    static void appendCarNodes(TextTree& tree, TreeNode& carNode, const CarEntry& car);
    static void appendCheckpointNodes(TextTree& tree, TreeNode& node, const CheckpointEntry& entry,
                                      const std::string& caption);
    static void appendEventNodes(TextTree& tree, TreeNode& node, const EventEntry& event);
    void checkRoom(int count, const char* what) const;

    MissionData data_;
    TextTree carTree_;
    TextTree checkpointTree_;
    TextTree objectTree_;
    TextTree eventsTree_;
    mutable std::vector<MissionObserver*> observers_;
};

}  // namespace qv
