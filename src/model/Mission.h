#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/Entries.h"
#include "model/MissionHistory.h"
#include "model/MissionParameters.h"
#include "model/ObserverList.h"
#include "model/TextTree.h"

namespace qv {

// Told after every change of the mission's parameters or rows. Tree changes reach views
// through the trees' own observers.
class MissionObserver {
  public:
    virtual ~MissionObserver() = default;
    virtual void missionChanged(MissionPart part) = 0;
    // The steps that can be undone or redone, or whether there are unsaved changes, changed.
    virtual void historyChanged() {}
};

// Where a car, checkpoint or object stands, as its row's texts: X, Y, Z and (cars and objects)
// the angle.
struct RowPlace {
    std::string x;
    std::string y;
    std::string z;
    std::string angle;
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
// step. Rows are numbered from 1; a row node's text carries its number ("Машина 3"), renumbered
// whenever rows are inserted, removed or moved. Events exist only as nodes of the events tree.
//
// Every change goes through the methods below, and each user action is one step of the
// mission's history, which undo and redo walk. Opening a project (replace) clears it.
// While a step is being done, undone or redone, the observers told about it make no step of
// their own: an edit, undo, redo or replace then is refused and changes nothing (an insert
// returns 0, an in-place edit false); a parameters change follows the step without a step.
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
    // A change of one field right after a change of the same field joins its step, so that a
    // run of typing is undone at once.
    void setParameters(const MissionParameters& parameters);

    const MissionData& data() const { return data_; }
    int carCount() const { return static_cast<int>(data_.cars.size()); }
    int checkpointCount() const { return static_cast<int>(data_.checkpoints.size()); }
    int objectCount() const { return static_cast<int>(data_.objects.size()); }
    int eventCount() const { return data_.eventCount; }
    // The rows of Cars, Checkpoints, Objects or Events; 0 for any other part.
    int rowCount(MissionPart table) const;
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
    // The tree of Cars, Checkpoints, Objects or Events.
    const TextTree& tree(MissionPart table) const;

    // Insert a row with its subtree so that it becomes row `row` (1 to count + 1; a number past
    // the end appends); return its number. A 101st row, or a car with more than 10 components,
    // is refused with an Error and nothing changes. The player's car stays the same car.
    int insertCar(int row, const CarEntry& car);
    // `driveTypeCaption` is the drive type as the dialog that writes the row shows it.
    int insertCheckpoint(int row, const CheckpointEntry& checkpoint,
                         const std::string& driveTypeCaption);
    int insertObject(int row, const ObjectEntry& object);
    int insertEvent(int row, const EventEntry& event);
    int appendCar(const CarEntry& car) { return insertCar(carCount() + 1, car); }
    int appendCheckpoint(const CheckpointEntry& checkpoint, const std::string& driveTypeCaption) {
        return insertCheckpoint(checkpointCount() + 1, checkpoint, driveTypeCaption);
    }
    int appendObject(const ObjectEntry& object) { return insertObject(objectCount() + 1, object); }
    int appendEvent(const EventEntry& event) { return insertEvent(eventCount() + 1, event); }

    // Overwrite row `row` and rewrite the texts of its nodes in place.
    void changeCar(int row, const CarEntry& car);
    void changeCheckpoint(int row, const CheckpointEntry& checkpoint,
                          const std::string& driveTypeCaption);
    void changeObject(int row, const ObjectEntry& object);
    // Rebuilds the event's condition and action lines from `event`.
    void changeEvent(int row, const EventEntry& event);

    // Puts row `row` of Cars, Checkpoints or Objects at `place` (a checkpoint has no angle):
    // the entry's coordinates and their lines in the row's node change, nothing else of the row.
    // One step, "поворот машины 3" when only the angle changes, otherwise "перемещение машины 3";
    // nothing happens when nothing changes.
    void placeRow(MissionPart table, int row, const RowPlace& place);
    // Where row `row` of Cars, Checkpoints or Objects stands.
    RowPlace rowPlace(MissionPart table, int row) const;
    // Puts the start point at (x, y, z): one step, "перемещение старта".
    void placeStart(const std::string& x, const std::string& y, const std::string& z);

    // Copies row `row` of `table` (Cars, Checkpoints, Objects, Events) in after it; returns the
    // copy's number. A 101st row is refused as by insert.
    int duplicateRow(MissionPart table, int row);
    // Removes row `row`; rows after it move up. The player's car stays the same car; when it is
    // the one removed, its number stays unless it would point past the last car.
    void removeRow(MissionPart table, int row);
    // Moves row `from` so that it becomes row `to`; the player's car number follows its car.
    void moveRow(MissionPart table, int from, int to);

    // In-place edit of one condition or action line of this mission's events tree. Any other
    // node (of another tree, or a structural node) keeps its text, and an empty text is
    // refused; returns whether the line changed.
    bool editEventLine(TreeNode& node, const std::string& text);
    bool isEventLine(const TreeNode& node) const;

    // The row a selected node stands for: its position among the root's children plus 1 when
    // it is a row node (a child of the tree's first node), 0 for any other node.
    static int rowForNode(const TextTree& tree, const TreeNode* node);

    // Replace the whole mission at once (loading); the history starts afresh.
    void replace(MissionData data, MissionTrees trees);

    // The history: the step the next undo or redo takes, by name ("добавление чекпоинта 12");
    // empty when there is none.
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    std::string undoName() const;
    std::string redoName() const;
    void undo();
    void redo();
    // Whether the mission changed since it was opened or last saved.
    bool modified() const { return history_.modified(); }
    void markSaved();
    // How many steps the history holds, undone ones included.
    int historySize() const { return history_.size(); }

    // Gathers every change made while it lives into one step named `name`, undone and redone
    // at once; a batch begun inside another joins it. When an Error ends it before its end
    // (the batch is left by an exception), everything it did is undone and no step is
    // recorded. A batch that changed nothing records nothing.
    class Batch {
      public:
        Batch(Mission& mission, std::string name);
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        ~Batch();

      private:
        Mission& mission_;
        bool outermost_;
        int exceptions_;
    };

    // An observer may add or remove observers while it is told about a change: one removed
    // then is told nothing more.
    void addObserver(MissionObserver* observer) const;
    void removeObserver(MissionObserver* observer) const;

  private:
    void notify(MissionPart part) const;
    void notifyHistory() const;
    TextTree& treeOf(MissionPart table);
    TreeNode& rootOf(TextTree& tree);
    void checkRoom(MissionPart table) const;
    void checkRow(MissionPart table, int row) const;
    // `action` begins the step's name; by default "добавление " at the end, "вставка " before.
    int insertRow(MissionPart table, int row, RowCopy copy, const char* action = nullptr);
    void replaceRow(MissionPart table, int row, RowCopy copy);
    // A copy of row `index` (from 0) as it stands.
    RowCopy copyRow(MissionPart table, int index) const;
    // Does a new step and records it; false, with nothing done, while a step is being applied.
    bool perform(Step step);
    void applyStep(const Step& step, bool forward);
    void apply(const Change& change, bool forward);
    void putRow(MissionPart table, int index, const RowCopy& row);
    void dropRow(MissionPart table, int index);
    void setRow(MissionPart table, int index, const RowCopy& row);
    void shiftRow(MissionPart table, int from, int to);
    void renumber(MissionPart table, int from);
    // A Parameters change that gives the player's car `number`, when it differs.
    void addPlayerCarChange(Step& step, int number) const;

    MissionData data_;
    TextTree carTree_;
    TextTree checkpointTree_;
    TextTree objectTree_;
    TextTree eventsTree_;
    MissionHistory history_;
    // The step a batch gathers, while one is open.
    std::optional<Step> batch_;
    bool applying_ = false;
    mutable ObserverList<MissionObserver> observers_;
};

}  // namespace qv
