#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>

#include "FakeFileSystem.h"
#include "model/Mission.h"
#include "model/ProjectFile.h"

namespace qv {
namespace {

using Files = std::map<std::string, std::string>;

// The drive type caption a dialog shows for a checkpoint of `type`, as a fresh build writes it.
std::string captionOf(const std::string& type) {
    return type == DriveType::Racing   ? "Гоночный "
           : type == DriveType::Normal ? "По обычным транспортным путям"
                                       : "Напрямик";
}

Files savedFiles(const Mission& mission) {
    test::FakeFileSystem files;
    saveProject(mission, "/races/race.qvnx", files);
    return files.files;
}

// What the same mission saves when it is entered afresh: its parameters, then every row
// appended in order.
Files freshBuildFiles(const Mission& mission) {
    Mission fresh;
    fresh.setParameters(mission.parameters());
    for (int row = 1; row <= mission.carCount(); ++row) {
        fresh.appendCar(mission.car(row));
    }
    for (int row = 1; row <= mission.checkpointCount(); ++row) {
        fresh.appendCheckpoint(mission.checkpoint(row), captionOf(mission.checkpoint(row).Type));
    }
    for (int row = 1; row <= mission.objectCount(); ++row) {
        fresh.appendObject(mission.object(row));
    }
    for (int row = 1; row <= mission.eventCount(); ++row) {
        fresh.appendEvent(mission.event(row));
    }
    return savedFiles(fresh);
}

constexpr MissionPart Tables[] = {MissionPart::Cars, MissionPart::Checkpoints, MissionPart::Objects,
                                  MissionPart::Events};

// One random user action of any kind on `mission`. Tables are kept small, so that thousands of
// steps take seconds.
class RandomEditor {
  public:
    explicit RandomEditor(unsigned seed) : random_(seed) {}

    void edit(Mission& mission) {
        const MissionPart table = Tables[pick(4)];
        const int count = mission.rowCount(table);
        const int row = count > 0 ? 1 + pick(count) : 0;
        const std::string text = "t" + std::to_string(pick(1000));
        switch (pick(count > 0 ? 8 : 2)) {
            case 0:
                insert(mission, table, 1 + pick(count + 1), text);
                break;
            case 1:
                editParameter(mission, text);
                break;
            case 2:
                mission.removeRow(table, row);
                break;
            case 3:
                mission.moveRow(table, row, 1 + pick(count));
                break;
            case 4:
                if (count < MaxTestRows) {
                    mission.duplicateRow(table, row);
                }
                break;
            case 5:
                change(mission, table, row, text);
                break;
            case 6:
                if (mission.eventCount() > 0) {
                    TreeNode* event =
                        mission.eventsTree().root()->child(pick(mission.eventCount()));
                    TreeNode* group = event->child(pick(2));
                    if (group->childCount() > 0) {
                        mission.editEventLine(*group->child(pick(group->childCount())), text);
                    }
                }
                break;
            default:
                if (mission.carCount() > 0) {
                    mission.removeRow(MissionPart::Cars, mission.carCount());
                }
                break;
        }
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  private:
    static constexpr int MaxTestRows = 12;

    CarEntry car(const std::string& text) {
        std::vector<std::string> components(size_t(pick(4)), "#" + text);
        return {text, text, "2", "3", "4", components};
    }
    CheckpointEntry checkpoint(const std::string& text) {
        const char* types[] = {DriveType::Racing, DriveType::Normal, DriveType::Direct};
        return {text, "1", "2", 1 + pick(100), types[pick(3)]};
    }
    EventEntry event(const std::string& text) {
        return {pick(2) == 0 ? "" : "or", {text, text + "c"}, {text + "a"}};
    }

    void insert(Mission& mission, MissionPart table, int row, const std::string& text) {
        if (mission.rowCount(table) >= MaxTestRows) {
            return;
        }
        if (table == MissionPart::Cars) {
            mission.insertCar(row, car(text));
        } else if (table == MissionPart::Checkpoints) {
            const CheckpointEntry entry = checkpoint(text);
            mission.insertCheckpoint(row, entry, captionOf(entry.Type));
        } else if (table == MissionPart::Objects) {
            mission.insertObject(row, {text, "1", "2", "3", "4"});
        } else {
            mission.insertEvent(row, event(text));
        }
    }

    void change(Mission& mission, MissionPart table, int row, const std::string& text) {
        if (table == MissionPart::Cars) {
            mission.changeCar(row, car(text));
        } else if (table == MissionPart::Checkpoints) {
            const CheckpointEntry entry = checkpoint(text);
            mission.changeCheckpoint(row, entry, captionOf(entry.Type));
        } else if (table == MissionPart::Objects) {
            mission.changeObject(row, {text, "5", "6", "7", "8"});
        } else {
            mission.changeEvent(row, event(text));
        }
    }

    void editParameter(Mission& mission, const std::string& text) {
        MissionParameters p = mission.parameters();
        switch (pick(4)) {
            case 0:
                p.AMissionName += text.substr(0, 1);  // a run of typing in one field
                break;
            case 1:
                p.AStartX = text;
                break;
            case 2:
                p.PlayerCarNumber = 1 + pick(std::max(1, mission.carCount()));
                break;
            default:
                p.Flags[size_t(pick(4))] ^= true;
                break;
        }
        mission.setParameters(p);
    }

    std::mt19937 random_;
};

// Thousands of random actions, undone and redone at random: after every step the mission
// saves exactly what a fresh build of the same mission saves (its tables and trees are in
// step), and each undo or redo gives back the very files of that point of the history.
TEST(MissionHistory, RandomEditsUndoneAndRedoneKeepTablesAndTreesInStep) {
    Mission mission;
    RandomEditor editor(20261208);
    std::vector<Files> states{savedFiles(mission)};  // states[i]: after i steps done
    int done = 0;
    for (int step = 0; step < 2500; ++step) {
        const int action = editor.pick(10);
        bool edited = false;
        if (action < 2 && mission.canUndo()) {
            mission.undo();
            --done;
        } else if (action < 4 && mission.canRedo()) {
            mission.redo();
            ++done;
        } else {
            editor.edit(mission);
            // Unless nothing changed: a new step, or one joined to the last.
            edited = !mission.canRedo();
        }
        Files saved = savedFiles(mission);
        ASSERT_EQ(saved, freshBuildFiles(mission)) << "step " << step;
        if (edited) {
            done = mission.historySize();
            states.resize(size_t(done) + 1);
            states[size_t(done)] = std::move(saved);
        } else {
            ASSERT_EQ(saved, states[size_t(done)]) << "step " << step;
        }
    }
    while (mission.canUndo()) {
        mission.undo();
    }
    EXPECT_EQ(savedFiles(mission), states.front());
    EXPECT_FALSE(mission.modified());
}

CarEntry car(const char* model) {
    return {model, "1", "2", "3", "4", {}};
}

std::string playerModel(const Mission& mission) {
    return mission.car(mission.parameters().PlayerCarNumber).Model;
}

TEST(MissionHistory, ThePlayersCarStaysTheSameCarWhenCarsMoveOrGo) {
    Mission mission;
    for (const char* model : {"A", "B", "C", "D"}) {
        mission.appendCar(car(model));
    }
    MissionParameters p = mission.parameters();
    p.PlayerCarNumber = 3;
    mission.setParameters(p);

    mission.moveRow(MissionPart::Cars, 3, 1);  // C A B D
    EXPECT_EQ(mission.parameters().PlayerCarNumber, 1);
    mission.moveRow(MissionPart::Cars, 2, 4);  // C B D A
    EXPECT_EQ(playerModel(mission), "C");
    mission.moveRow(MissionPart::Cars, 1, 3);  // B D C A
    EXPECT_EQ(mission.parameters().PlayerCarNumber, 3);
    mission.insertCar(1, car("E"));  // E B D C A
    EXPECT_EQ(mission.parameters().PlayerCarNumber, 4);
    mission.duplicateRow(MissionPart::Cars, 5);  // after it: no change
    mission.duplicateRow(MissionPart::Cars, 2);  // E B B D C A A
    mission.removeRow(MissionPart::Cars, 1);     // B B D C A A
    EXPECT_EQ(playerModel(mission), "C");
    EXPECT_EQ(mission.carTree().root()->child(3)->text(), "Машина 4");
    EXPECT_EQ(mission.carTree().root()->text(), "Машины (6 всего)");

    // The player's own car removed: the number stays while it points at a car.
    mission.removeRow(MissionPart::Cars, 4);
    EXPECT_EQ(mission.parameters().PlayerCarNumber, 4);
    EXPECT_EQ(mission.undoName(), "удаление машины 4");
    mission.undo();
    EXPECT_EQ(playerModel(mission), "C");
    while (mission.canUndo()) {
        mission.undo();
    }
    EXPECT_EQ(mission.carCount(), 0);
    EXPECT_EQ(mission.parameters().PlayerCarNumber, 1);
    EXPECT_EQ(mission.redoName(), "добавление машины 1");
}

TEST(MissionHistory, ARunOfTypingInOneFieldIsOneStepAndSavingOrOpeningEndsIt) {
    Mission mission;
    MissionParameters p = mission.parameters();
    for (const char* name : {"R", "RA", "RAC"}) {
        p.AMissionName = name;
        mission.setParameters(p);
    }
    EXPECT_EQ(mission.historySize(), 1);
    EXPECT_EQ(mission.undoName(), "изменение: название миссии");
    EXPECT_TRUE(mission.modified());
    mission.markSaved();
    EXPECT_FALSE(mission.modified());
    p.AMissionName = "RACE";
    mission.setParameters(p);  // typing on after saving is a step of its own
    EXPECT_EQ(mission.historySize(), 2);
    mission.undo();
    EXPECT_FALSE(mission.modified());
    mission.undo();
    EXPECT_EQ(mission.parameters().AMissionName, "RACEMS1");
    EXPECT_TRUE(mission.modified());

    p.AStartX = "5";
    mission.setParameters(p);  // another field, after an undo: the undone steps are gone
    EXPECT_FALSE(mission.canRedo());
    EXPECT_TRUE(mission.modified());  // the saved state can no longer be reached

    mission.replace({}, {});
    EXPECT_FALSE(mission.canUndo());
    EXPECT_FALSE(mission.modified());
}

// Tries to make steps of its own while it is told about one being applied, as a view that
// reacts to a change by editing would.
class EditingObserver : public MissionObserver {
  public:
    explicit EditingObserver(Mission& mission) : mission_(mission) {}
    void missionChanged(MissionPart) override {
        if (std::exchange(busy_, true)) {
            return;  // told about its own edit
        }
        inserted.push_back(mission_.appendCar(car("X")));
        mission_.removeRow(MissionPart::Cars, 1);
        mission_.undo();
        mission_.redo();
        mission_.replace({}, {});
        busy_ = false;
    }
    std::vector<int> inserted;

  private:
    Mission& mission_;
    bool busy_ = false;
};

TEST(MissionHistory, AnEditWhileAStepIsAppliedIsRefusedAndNeverRecorded) {
    Mission mission;
    mission.appendCar(car("A"));
    mission.appendCar(car("B"));
    MissionParameters p = mission.parameters();
    p.PlayerCarNumber = 2;
    mission.setParameters(p);
    mission.insertCar(1, car("C"));  // the player's car moves along: a step of two changes
    const Files inserted = savedFiles(mission);
    mission.undo();
    const Files before = savedFiles(mission);
    const int steps = mission.historySize();
    EditingObserver observer(mission);
    mission.addObserver(&observer);

    mission.redo();
    EXPECT_EQ(savedFiles(mission), inserted);
    mission.undo();
    EXPECT_EQ(savedFiles(mission), before);
    mission.removeObserver(&observer);

    ASSERT_FALSE(observer.inserted.empty());
    EXPECT_EQ(observer.inserted, std::vector<int>(observer.inserted.size(), 0));
    EXPECT_EQ(mission.historySize(), steps);
    EXPECT_TRUE(mission.canRedo());
}

TEST(MissionHistory, TypingThatEndsWhereItBeganLeavesNoStep) {
    Mission mission;
    mission.appendCar(car("A"));
    mission.markSaved();
    const MissionParameters start = mission.parameters();
    MissionParameters p = start;
    p.AMissionName += "x";
    mission.setParameters(p);
    EXPECT_TRUE(mission.modified());
    mission.setParameters(start);
    EXPECT_FALSE(mission.modified());
    EXPECT_EQ(mission.historySize(), 1);
    EXPECT_EQ(mission.undoName(), "добавление машины 1");

    // Typed, saved, then erased: the erasing is a change from what was saved.
    mission.setParameters(p);
    mission.markSaved();
    mission.setParameters(start);
    EXPECT_TRUE(mission.modified());
    EXPECT_TRUE(mission.canUndo());
}

}  // namespace
}  // namespace qv
