#include "model/Mission.h"

#include <algorithm>
#include <exception>
#include <numeric>
#include <utility>

#include "model/Error.h"
#include "model/ParameterFields.h"
#include "model/TreeTexts.h"
#include "platform/Translation.h"

namespace qv {

namespace {

// `missing` names the row by its number as %1.
template <typename Row>
const Row& rowAt(const std::vector<Row>& rows, int row, const std::string& missing) {
    if (row < 1 || row > static_cast<int>(rows.size())) {
        throw Error(formatText(missing, {std::to_string(row)}));
    }
    return rows[static_cast<size_t>(row - 1)];
}

// The X, Y, Z (and, for rows that have one, angle) nodes of a row's coordinates group.
template <typename Entry>
void addPositionNodes(TreeNode& group, const Entry& entry) {
    group.add(tree_text::x(entry.X));
    group.add(tree_text::y(entry.Y));
    group.add(tree_text::z(entry.Z));
    if constexpr (requires { entry.Angle; }) {
        group.add(tree_text::angle(entry.Angle));
    }
}

void addLines(TreeNode& parent, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        if (!line.empty()) {
            parent.add(line);
        }
    }
}

std::vector<std::string> childTexts(const TreeNode* node) {
    std::vector<std::string> texts;
    if (node != nullptr) {
        for (int i = 0; i < node->childCount(); ++i) {
            texts.push_back(node->child(i)->text());
        }
    }
    return texts;
}

std::string rowText(MissionPart table, int row) {
    switch (table) {
        case MissionPart::Cars:
            return tree_text::carNode(row);
        case MissionPart::Checkpoints:
            return tree_text::checkpointNode(row);
        case MissionPart::Objects:
            return tree_text::objectNode(row);
        default:
            return tree_text::eventNode(row);
    }
}

// "машины 3", "чекпоинта 12": a row as a step's name gives it.
std::string rowName(MissionPart table, int row) {
    const std::string noun =
        table == MissionPart::Cars          ? translate("MissionHistory", "машины %1")
        : table == MissionPart::Checkpoints ? translate("MissionHistory", "чекпоинта %1")
        : table == MissionPart::Objects     ? translate("MissionHistory", "объекта %1")
                                            : translate("MissionHistory", "события %1");
    return formatText(noun, {std::to_string(row)});
}

// A step's name: `action` ("удаление %1") with the row it acts on.
std::string rowStepName(const std::string& action, MissionPart table, int row) {
    return formatText(action, {rowName(table, row)});
}

// The row nodes a dialog's entry gives, detached; their own text is set when they are put in.
std::shared_ptr<TreeNode> carRow(const CarEntry& car) {
    auto node = std::make_shared<TreeNode>(std::string());
    node->add(tree_text::model(car.Model));
    addPositionNodes(node->add(std::string(tree_text::StartCoordinates)), car);
    if (!car.Components.empty()) {
        const int count = static_cast<int>(car.Components.size());
        TreeNode& components = node->add(tree_text::componentsNode(count));
        for (int i = 0; i < count; ++i) {
            components.add(tree_text::component(i + 1, car.Components[size_t(i)]));
        }
    }
    return node;
}

std::shared_ptr<TreeNode> checkpointRow(const CheckpointEntry& entry, const std::string& caption) {
    auto node = std::make_shared<TreeNode>(std::string());
    node->add(tree_text::speed(entry.Speed));
    node->add(tree_text::driveType(caption));
    addPositionNodes(node->add(std::string(tree_text::Coordinates)), entry);
    return node;
}

std::shared_ptr<TreeNode> objectRow(const ObjectEntry& object) {
    auto node = std::make_shared<TreeNode>(std::string());
    node->add(tree_text::model(object.Model));
    addPositionNodes(node->add(std::string(tree_text::Coordinates)), object);
    return node;
}

std::shared_ptr<TreeNode> eventRow(const EventEntry& event) {
    auto node = std::make_shared<TreeNode>(std::string());
    addLines(node->add(tree_text::condition(event.ConditionKind)), event.Conditions);
    addLines(node->add(std::string(tree_text::ActionNode)), event.Actions);
    return node;
}

// Copies every node under `from` to under `to`.
void copyChildren(TreeNode& to, const TreeNode& from) {
    for (int i = 0; i < from.childCount(); ++i) {
        copyChildren(to.add(from.child(i)->text()), *from.child(i));
    }
}

// A copy of row node `row` whose coordinates group holds the place of `entry`.
template <typename Entry>
std::shared_ptr<TreeNode> withPosition(const TreeNode& row, const Entry& entry) {
    auto node = std::make_shared<TreeNode>(row.text());
    for (int i = 0; i < row.childCount(); ++i) {
        const TreeNode& child = *row.child(i);
        TreeNode& copy = node->add(child.text());
        if (child.text() == tree_text::Coordinates || child.text() == tree_text::StartCoordinates) {
            addPositionNodes(copy, entry);
        } else {
            copyChildren(copy, child);
        }
    }
    return node;
}

// Calls `visit` with the entries of `table` (nothing for events, which have none).
template <typename Data, typename Visit>
void visitEntries(Data& data, MissionPart table, Visit visit) {
    switch (table) {
        case MissionPart::Cars:
            visit(data.cars);
            break;
        case MissionPart::Checkpoints:
            visit(data.checkpoints);
            break;
        case MissionPart::Objects:
            visit(data.objects);
            break;
        default:
            break;
    }
}

template <typename Rows>
using EntryOf = typename std::decay_t<Rows>::value_type;

// The player's car number after the car of row `from` moved to row `to`.
int followMove(int player, int from, int to) {
    if (player == from) {
        return to;
    }
    if (from < player && player <= to) {
        return player - 1;
    }
    if (to <= player && player < from) {
        return player + 1;
    }
    return player;
}

void checkComponents(const CarEntry& car) {
    if (static_cast<int>(car.Components.size()) > Mission::MaxComponents) {
        throw Error(formatText(translate("Mission", "Нельзя добавить больше %1 тюнинг-компонентов"),
                               {std::to_string(Mission::MaxComponents)}));
    }
}

}  // namespace

Mission::Mission()
    : carTree_(tree_text::carsRoot(0)),
      checkpointTree_(tree_text::checkpointsRoot(0)),
      objectTree_(std::string(tree_text::ObjectsRoot)),
      eventsTree_(std::string(tree_text::EventsRoot)) {}

void Mission::setParameters(const MissionParameters& parameters) {
    if (data_.parameters == parameters) {
        return;
    }
    if (applying_) {
        // A view that follows a step being done never makes a step of its own.
        data_.parameters = parameters;
        notify(MissionPart::Parameters);
        return;
    }
    const std::vector<int> fields = changedParameterFields(data_.parameters, parameters);
    Step step{translate("MissionHistory", "изменение параметров"),
              {change::Parameters{data_.parameters, parameters}}};
    if (fields.size() == 1) {
        step.name = formatText(translate("MissionHistory", "изменение: %1"),
                               {parameterFieldName(fields.front())});
        step.typingField = fields.front();
    }
    perform(std::move(step));
}

int Mission::rowCount(MissionPart table) const {
    switch (table) {
        case MissionPart::Cars:
            return carCount();
        case MissionPart::Checkpoints:
            return checkpointCount();
        case MissionPart::Objects:
            return objectCount();
        case MissionPart::Events:
            return eventCount();
        case MissionPart::Parameters:
        case MissionPart::Everything:
            break;
    }
    return 0;
}

const TextTree& Mission::tree(MissionPart table) const {
    switch (table) {
        case MissionPart::Cars:
            return carTree_;
        case MissionPart::Checkpoints:
            return checkpointTree_;
        case MissionPart::Objects:
            return objectTree_;
        default:
            return eventsTree_;
    }
}

TextTree& Mission::treeOf(MissionPart table) {
    return const_cast<TextTree&>(std::as_const(*this).tree(table));
}

const CarEntry& Mission::car(int row) const {
    return rowAt(data_.cars, row, translate("Mission", "Машины №%1 нет в миссии"));
}

const CheckpointEntry& Mission::checkpoint(int row) const {
    return rowAt(data_.checkpoints, row, translate("Mission", "Чекпоинта №%1 нет в миссии"));
}

const ObjectEntry& Mission::object(int row) const {
    return rowAt(data_.objects, row, translate("Mission", "Объекта №%1 нет в миссии"));
}

EventEntry Mission::event(int row) const {
    EventEntry event;
    const TreeNode* root = eventsTree_.root();
    const TreeNode* node = root != nullptr ? root->child(row - 1) : nullptr;
    if (node == nullptr) {
        return event;
    }
    if (const TreeNode* condition = node->child(0)) {
        const std::string& text = condition->text();
        if (text.starts_with(tree_text::ConditionPrefix)) {
            event.ConditionKind = text.substr(tree_text::ConditionPrefix.size());
        }
        event.Conditions = childTexts(condition);
    }
    event.Actions = childTexts(node->child(1));
    return event;
}

int Mission::componentTotal() const {
    return std::accumulate(data_.cars.begin(), data_.cars.end(), 0, [](int sum, const auto& car) {
        return sum + static_cast<int>(car.Components.size());
    });
}

TreeNode& Mission::rootOf(TextTree& tree) {
    if (tree.empty()) {
        // A tree read from an empty file has no root; give it one before rows are added.
        if (&tree == &carTree_) {
            tree.reset(tree_text::carsRoot(carCount()));
        } else if (&tree == &checkpointTree_) {
            tree.reset(tree_text::checkpointsRoot(checkpointCount()));
        } else if (&tree == &objectTree_) {
            tree.reset(std::string(tree_text::ObjectsRoot));
        } else {
            tree.reset(std::string(tree_text::EventsRoot));
        }
    }
    return *tree.root();
}

void Mission::checkRoom(MissionPart table) const {
    if (table != MissionPart::Events && rowCount(table) >= MaxRows) {
        const std::string refusal =
            table == MissionPart::Cars ? translate("Mission", "Нельзя добавить больше %1 машин")
            : table == MissionPart::Checkpoints
                ? translate("Mission", "Нельзя добавить больше %1 чекпоинтов")
                : translate("Mission", "Нельзя добавить больше %1 объектов");
        throw Error(formatText(refusal, {std::to_string(MaxRows)}));
    }
}

void Mission::checkRow(MissionPart table, int row) const {
    switch (table) {
        case MissionPart::Cars:
            car(row);
            break;
        case MissionPart::Checkpoints:
            checkpoint(row);
            break;
        case MissionPart::Objects:
            object(row);
            break;
        default:
            if (row < 1 || row > eventCount()) {
                throw Error(formatText(translate("Mission", "События №%1 нет в миссии"),
                                       {std::to_string(row)}));
            }
    }
}

// `name`, the step's name, is the insertion's own (named for the new row) when empty.
int Mission::insertRow(MissionPart table, int row, RowCopy copy, std::string name) {
    checkRoom(table);
    const int index = std::clamp(row, 1, rowCount(table) + 1) - 1;
    if (name.empty()) {
        name = rowStepName(row > rowCount(table) ? translate("MissionHistory", "добавление %1")
                                                 : translate("MissionHistory", "вставка %1"),
                           table, index + 1);
    }
    Step step{std::move(name), {change::InsertRow{table, index, copy}}};
    const int player = data_.parameters.PlayerCarNumber;
    if (table == MissionPart::Cars && index < player && player <= carCount()) {
        addPlayerCarChange(step, player + 1);
    }
    return perform(std::move(step)) ? index + 1 : 0;
}

int Mission::insertCar(int row, const CarEntry& car) {
    checkComponents(car);
    return insertRow(MissionPart::Cars, row, {car, carRow(car)});
}

int Mission::insertCheckpoint(int row, const CheckpointEntry& checkpoint,
                              const std::string& driveTypeCaption) {
    return insertRow(MissionPart::Checkpoints, row,
                     {checkpoint, checkpointRow(checkpoint, driveTypeCaption)});
}

int Mission::insertObject(int row, const ObjectEntry& object) {
    return insertRow(MissionPart::Objects, row, {object, objectRow(object)});
}

int Mission::insertEvent(int row, const EventEntry& event) {
    checkConditionCount(event.Conditions.size());
    return insertRow(MissionPart::Events, row, {std::monostate{}, eventRow(event)});
}

int Mission::duplicateRow(MissionPart table, int row) {
    checkRow(table, row);
    // Named for the row the user duplicated, which keeps its number.
    return insertRow(table, row + 1, copyRow(table, row - 1),
                     rowStepName(translate("MissionHistory", "дублирование %1"), table, row));
}

void Mission::replaceRow(MissionPart table, int row, RowCopy copy) {
    checkRow(table, row);
    perform({rowStepName(translate("MissionHistory", "изменение %1"), table, row),
             {change::ReplaceRow{table, row - 1, copyRow(table, row - 1), std::move(copy)}}});
}

void Mission::changeCar(int row, const CarEntry& car) {
    checkComponents(car);
    replaceRow(MissionPart::Cars, row, {car, carRow(car)});
}

void Mission::changeCheckpoint(int row, const CheckpointEntry& checkpoint,
                               const std::string& driveTypeCaption) {
    replaceRow(MissionPart::Checkpoints, row,
               {checkpoint, checkpointRow(checkpoint, driveTypeCaption)});
}

void Mission::changeObject(int row, const ObjectEntry& object) {
    replaceRow(MissionPart::Objects, row, {object, objectRow(object)});
}

void Mission::changeEvent(int row, const EventEntry& event) {
    checkRow(MissionPart::Events, row);
    checkConditionCount(event.Conditions.size());
    replaceRow(MissionPart::Events, row, {std::monostate{}, eventRow(event)});
}

void Mission::removeRow(MissionPart table, int row) {
    checkRow(table, row);
    Step step{rowStepName(translate("MissionHistory", "удаление %1"), table, row), {}};
    const int player = data_.parameters.PlayerCarNumber;
    if (table == MissionPart::Cars) {
        // Done before the row goes, so that the number never points past the last car.
        const int last = std::max(1, carCount() - 1);
        addPlayerCarChange(
            step, row < player && player <= carCount() ? player - 1 : std::min(player, last));
    }
    step.changes.emplace_back(change::RemoveRow{table, row - 1, copyRow(table, row - 1)});
    perform(std::move(step));
}

void Mission::placeRow(MissionPart table, int row, const RowPlace& place) {
    checkRow(table, row);
    const RowCopy before = copyRow(table, row - 1);
    RowCopy after;
    bool moved = false;
    bool turned = false;
    visitEntries(data_, table, [&](const auto& rows) {
        auto entry = rows[size_t(row - 1)];
        moved = entry.X != place.x || entry.Y != place.y || entry.Z != place.z;
        entry.X = place.x;
        entry.Y = place.y;
        entry.Z = place.z;
        if constexpr (requires { entry.Angle; }) {
            turned = entry.Angle != place.angle;
            entry.Angle = place.angle;
        }
        after = {entry, before.node != nullptr ? withPosition(*before.node, entry) : nullptr};
    });
    if (moved || turned) {
        perform({rowStepName(moved ? translate("MissionHistory", "перемещение %1")
                                   : translate("MissionHistory", "поворот %1"),
                             table, row),
                 {change::ReplaceRow{table, row - 1, before, std::move(after)}}});
    }
}

RowPlace Mission::rowPlace(MissionPart table, int row) const {
    checkRow(table, row);
    RowPlace place;
    visitEntries(data_, table, [&](const auto& rows) {
        const auto& entry = rows[size_t(row - 1)];
        place = {entry.X, entry.Y, entry.Z, {}};
        if constexpr (requires { entry.Angle; }) {
            place.angle = entry.Angle;
        }
    });
    return place;
}

void Mission::placeStart(const std::string& x, const std::string& y, const std::string& z) {
    MissionParameters after = data_.parameters;
    after.AStartX = x;
    after.AStartY = y;
    after.AStartZ = z;
    if (after != data_.parameters) {
        perform({translate("MissionHistory", "перемещение старта"),
                 {change::Parameters{data_.parameters, after}}});
    }
}

void Mission::checkConditionCount(std::size_t count) {
    if (count > std::size_t{MaxConditions}) {
        throw Error(formatText(translate("Mission", "Допускается не более %1 подусловий"),
                               {std::to_string(MaxConditions)}));
    }
}

void Mission::moveRow(MissionPart table, int from, int to) {
    checkRow(table, from);
    checkRow(table, to);
    if (from == to) {
        return;
    }
    // Named for the moved row by the number it now has, as the tree shows it.
    Step step{rowStepName(translate("MissionHistory", "перемещение %1"), table, to),
              {change::MoveRow{table, from - 1, to - 1}}};
    const int player = data_.parameters.PlayerCarNumber;
    if (table == MissionPart::Cars && player >= 1 && player <= carCount()) {
        addPlayerCarChange(step, followMove(player, from, to));
    }
    perform(std::move(step));
}

void Mission::addPlayerCarChange(Step& step, int number) const {
    if (number != data_.parameters.PlayerCarNumber) {
        MissionParameters after = data_.parameters;
        after.PlayerCarNumber = number;
        step.changes.emplace_back(change::Parameters{data_.parameters, after});
    }
}

bool Mission::isEventLine(const TreeNode& node) const {
    const TreeNode* group = node.parent();
    const TreeNode* eventNode = group != nullptr ? group->parent() : nullptr;
    return eventNode != nullptr && eventNode->parent() != nullptr &&
           eventNode->parent() == eventsTree_.root() && group->index() <= 1;
}

bool Mission::editEventLine(TreeNode& node, const std::string& text) {
    if (!isEventLine(node) || text.empty() || node.text() == text) {
        return false;
    }
    const TreeNode& group = *node.parent();
    const int event = group.parent()->index();
    return perform({rowStepName(translate("MissionHistory", "правка строки %1"),
                                MissionPart::Events, event + 1),
                    {change::EventLine{event, group.index(), node.index(), node.text(), text}}});
}

RowCopy Mission::copyRow(MissionPart table, int index) const {
    RowCopy copy;
    visitEntries(data_, table, [&](const auto& rows) { copy.entry = rows[size_t(index)]; });
    const TreeNode* root = tree(table).root();
    if (const TreeNode* node = root != nullptr ? root->child(index) : nullptr) {
        copy.node = node->clone();
    }
    return copy;
}

// The history.

std::string Mission::undoName() const {
    const Step* step = history_.nextUndo();
    return step != nullptr ? step->name : std::string();
}

std::string Mission::redoName() const {
    const Step* step = history_.nextRedo();
    return step != nullptr ? step->name : std::string();
}

bool Mission::perform(Step step) {
    if (applying_) {
        return false;
    }
    applyStep(step, true);
    if (batch_) {
        for (Change& c : step.changes) {
            batch_->changes.push_back(std::move(c));
        }
        return true;
    }
    history_.record(std::move(step));
    notifyHistory();
    return true;
}

Mission::Batch::Batch(Mission& mission, std::string name)
    : mission_(mission), outermost_(!mission.batch_), exceptions_(std::uncaught_exceptions()) {
    if (outermost_) {
        mission_.batch_ = Step{std::move(name), {}};
    }
}

Mission::Batch::~Batch() {
    if (!outermost_) {
        return;
    }
    Step step = std::move(*mission_.batch_);
    mission_.batch_.reset();
    if (std::uncaught_exceptions() > exceptions_) {
        mission_.applyStep(step, false);
        return;
    }
    if (!step.changes.empty()) {
        mission_.history_.record(std::move(step));
        mission_.notifyHistory();
    }
}

void Mission::undo() {
    if (applying_ || !history_.canUndo()) {
        return;
    }
    applyStep(history_.toUndo(), false);
    history_.undone();
    notifyHistory();
}

void Mission::redo() {
    if (applying_ || !history_.canRedo()) {
        return;
    }
    applyStep(history_.toRedo(), true);
    history_.redone();
    notifyHistory();
}

// Forward in order, backward in reverse; the views told meanwhile make no step of their own.
void Mission::applyStep(const Step& step, bool forward) {
    const bool wasApplying = std::exchange(applying_, true);
    if (forward) {
        for (const Change& c : step.changes) {
            apply(c, true);
        }
    } else {
        for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it) {
            apply(*it, false);
        }
    }
    applying_ = wasApplying;
}

void Mission::markSaved() {
    history_.markSaved();
    notifyHistory();
}

void Mission::apply(const Change& change, bool forward) {
    std::visit(
        [this, forward]<typename C>(const C& c) {
            if constexpr (std::is_same_v<C, change::Parameters>) {
                data_.parameters = forward ? c.after : c.before;
                notify(MissionPart::Parameters);
            } else if constexpr (std::is_same_v<C, change::InsertRow>) {
                forward ? putRow(c.table, c.index, c.row) : dropRow(c.table, c.index);
            } else if constexpr (std::is_same_v<C, change::RemoveRow>) {
                forward ? dropRow(c.table, c.index) : putRow(c.table, c.index, c.row);
            } else if constexpr (std::is_same_v<C, change::ReplaceRow>) {
                setRow(c.table, c.index, forward ? c.after : c.before);
            } else if constexpr (std::is_same_v<C, change::MoveRow>) {
                forward ? shiftRow(c.table, c.from, c.to) : shiftRow(c.table, c.to, c.from);
            } else {
                TreeNode* root = eventsTree_.root();
                TreeNode* event = root != nullptr ? root->child(c.event) : nullptr;
                TreeNode* group = event != nullptr ? event->child(c.group) : nullptr;
                if (TreeNode* line = group != nullptr ? group->child(c.line) : nullptr) {
                    eventsTree_.setText(*line, forward ? c.after : c.before);
                }
                notify(MissionPart::Events);
            }
        },
        change);
}

void Mission::putRow(MissionPart table, int index, const RowCopy& row) {
    visitEntries(data_, table, [&](auto& rows) {
        rows.insert(rows.begin() + index, std::get<EntryOf<decltype(rows)>>(row.entry));
    });
    if (table == MissionPart::Events) {
        ++data_.eventCount;
    }
    TextTree& tree = treeOf(table);
    TreeNode& root = rootOf(tree);
    if (row.node != nullptr && index <= root.childCount()) {
        tree.insert(&root, index, row.node->clone());
    }
    renumber(table, index);
    notify(table);
}

void Mission::dropRow(MissionPart table, int index) {
    visitEntries(data_, table, [&](auto& rows) { rows.erase(rows.begin() + index); });
    if (table == MissionPart::Events) {
        --data_.eventCount;
    }
    TextTree& tree = treeOf(table);
    tree.remove(&rootOf(tree), index);
    renumber(table, index);
    notify(table);
}

void Mission::setRow(MissionPart table, int index, const RowCopy& row) {
    visitEntries(data_, table, [&](auto& rows) {
        rows[size_t(index)] = std::get<EntryOf<decltype(rows)>>(row.entry);
    });
    TextTree& tree = treeOf(table);
    TreeNode* node = rootOf(tree).child(index);
    if (node != nullptr && row.node != nullptr) {
        // In place, so that a view keeps the row's nodes open as they were.
        tree.assign(*node, *row.node);
        renumber(table, index);
    }
    notify(table);
}

void Mission::shiftRow(MissionPart table, int from, int to) {
    visitEntries(data_, table, [&](auto& rows) {
        auto entry = std::move(rows[size_t(from)]);
        rows.erase(rows.begin() + from);
        rows.insert(rows.begin() + to, std::move(entry));
    });
    TextTree& tree = treeOf(table);
    TreeNode& root = rootOf(tree);
    if (std::max(from, to) < root.childCount()) {
        tree.insert(&root, to, tree.take(&root, from));
    }
    renumber(table, std::min(from, to));
    notify(table);
}

void Mission::renumber(MissionPart table, int from) {
    TextTree& tree = treeOf(table);
    TreeNode& root = rootOf(tree);
    for (int i = from; i < root.childCount(); ++i) {
        tree.setText(*root.child(i), rowText(table, i + 1));
    }
    if (table == MissionPart::Cars) {
        tree.setText(root, tree_text::carsRoot(carCount()));
    } else if (table == MissionPart::Checkpoints) {
        tree.setText(root, tree_text::checkpointsRoot(checkpointCount()));
    }
}

int Mission::rowForNode(const TextTree& tree, const TreeNode* node) {
    if (node == nullptr || tree.root() == nullptr || node->parent() != tree.root()) {
        return 0;
    }
    return node->index() + 1;
}

void Mission::replace(MissionData data, MissionTrees trees) {
    if (applying_) {
        return;
    }
    data_ = std::move(data);
    carTree_.reset(std::move(trees.cars));
    checkpointTree_.reset(std::move(trees.checkpoints));
    objectTree_.reset(std::move(trees.objects));
    eventsTree_.reset(std::move(trees.events));
    notify(MissionPart::Everything);
    // After the views have shown it (and stored what their controls can hold): the opened
    // mission is where the history starts.
    history_.clear();
    notifyHistory();
}

void Mission::addObserver(MissionObserver* observer) const {
    observers_.add(observer);
}

void Mission::removeObserver(MissionObserver* observer) const {
    observers_.remove(observer);
}

void Mission::notify(MissionPart part) const {
    observers_.tell([part](MissionObserver& o) { o.missionChanged(part); });
}

void Mission::notifyHistory() const {
    observers_.tell([](MissionObserver& o) { o.historyChanged(); });
}

}  // namespace qv
