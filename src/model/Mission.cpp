#include "model/Mission.h"

#include <algorithm>
#include <numeric>

#include "model/Error.h"
#include "model/TreeTexts.h"

namespace qv {

namespace {

template <typename Row>
const Row& rowAt(const std::vector<Row>& rows, int row, const char* what) {
    if (row < 1 || row > static_cast<int>(rows.size())) {
        throw Error(std::string(what) + " №" + std::to_string(row) + " нет в миссии");
    }
    return rows[static_cast<size_t>(row - 1)];
}

void setChildText(TextTree& tree, TreeNode* parent, int index, std::string text) {
    if (parent != nullptr) {
        if (TreeNode* child = parent->child(index)) {
            tree.setText(*child, std::move(text));
        }
    }
}

// The X, Y, Z (and, for rows that have one, angle) nodes of a row's coordinates group.
template <typename Entry>
std::vector<std::string> positionTexts(const Entry& entry) {
    std::vector<std::string> texts{tree_text::x(entry.X), tree_text::y(entry.Y),
                                   tree_text::z(entry.Z)};
    if constexpr (requires { entry.Angle; }) {
        texts.push_back(tree_text::angle(entry.Angle));
    }
    return texts;
}

void appendTexts(TextTree& tree, TreeNode& parent, const std::vector<std::string>& texts) {
    for (const auto& text : texts) {
        tree.append(&parent, text);
    }
}

void setChildTexts(TextTree& tree, TreeNode* parent, const std::vector<std::string>& texts) {
    for (size_t i = 0; i < texts.size(); ++i) {
        setChildText(tree, parent, static_cast<int>(i), texts[i]);
    }
}

void appendComponentNodes(TextTree& tree, TreeNode& carNode, const CarEntry& car) {
    if (car.Components.empty()) {
        return;
    }
    const int count = static_cast<int>(car.Components.size());
    TreeNode& components = tree.append(&carNode, tree_text::componentsNode(count));
    for (int i = 0; i < count; ++i) {
        tree.append(&components, tree_text::component(i + 1, car.Components[size_t(i)]));
    }
}

void removeChildren(TextTree& tree, TreeNode& node) {
    while (node.childCount() > 0) {
        tree.remove(&node, node.childCount() - 1);
    }
}

void appendLines(TextTree& tree, TreeNode& parent, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        if (!line.empty()) {
            tree.append(&parent, line);
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

void checkComponents(const CarEntry& car) {
    if (static_cast<int>(car.Components.size()) > Mission::MaxComponents) {
        throw Error("Нельзя добавить больше " + std::to_string(Mission::MaxComponents) +
                    " тюнинг-компонентов");
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
    data_.parameters = parameters;
    notify(MissionPart::Parameters);
}

const CarEntry& Mission::car(int row) const {
    return rowAt(data_.cars, row, "Машины");
}

const CheckpointEntry& Mission::checkpoint(int row) const {
    return rowAt(data_.checkpoints, row, "Чекпоинта");
}

const ObjectEntry& Mission::object(int row) const {
    return rowAt(data_.objects, row, "Объекта");
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

void Mission::checkRoom(int count, const char* what) const {
    if (count >= MaxRows) {
        throw Error("Нельзя добавить больше " + std::to_string(MaxRows) + " " + what);
    }
}

void Mission::appendCarNodes(TextTree& tree, TreeNode& carNode, const CarEntry& car) {
    tree.append(&carNode, tree_text::model(car.Model));
    TreeNode& start = tree.append(&carNode, std::string(tree_text::StartCoordinates));
    appendTexts(tree, start, positionTexts(car));
    appendComponentNodes(tree, carNode, car);
}

int Mission::appendCar(const CarEntry& car) {
    checkRoom(carCount(), "машин");
    checkComponents(car);
    // `car` may be a row of this table, which the push moves: the nodes take the stored copy.
    const CarEntry& stored = data_.cars.emplace_back(car);
    const int row = carCount();
    TreeNode& root = rootOf(carTree_);
    TreeNode& node = carTree_.append(&root, tree_text::carNode(row));
    appendCarNodes(carTree_, node, stored);
    carTree_.setText(root, tree_text::carsRoot(row));
    notify(MissionPart::Cars);
    return row;
}

void Mission::changeCar(int row, const CarEntry& car) {
    rowAt(data_.cars, row, "Машины");
    checkComponents(car);
    data_.cars[static_cast<size_t>(row - 1)] = car;
    TreeNode* node = rootOf(carTree_).child(row - 1);
    if (node != nullptr) {
        setChildText(carTree_, node, 0, tree_text::model(car.Model));
        setChildTexts(carTree_, node->child(1), positionTexts(car));
        if (node->childCount() == 3) {
            carTree_.remove(node, 2);
        }
        appendComponentNodes(carTree_, *node, car);
    }
    notify(MissionPart::Cars);
}

bool Mission::removeLastCar() {
    if (data_.cars.empty()) {
        return false;
    }
    TreeNode& root = rootOf(carTree_);
    carTree_.remove(&root, root.childCount() - 1);
    data_.cars.pop_back();
    carTree_.setText(root, tree_text::carsRoot(carCount()));
    notify(MissionPart::Cars);
    return true;
}

void Mission::appendCheckpointNodes(TextTree& tree, TreeNode& node, const CheckpointEntry& entry,
                                    const std::string& caption) {
    tree.append(&node, tree_text::speed(entry.Speed));
    tree.append(&node, tree_text::driveType(caption));
    TreeNode& coordinates = tree.append(&node, std::string(tree_text::Coordinates));
    appendTexts(tree, coordinates, positionTexts(entry));
}

int Mission::appendCheckpoint(const CheckpointEntry& checkpoint,
                              const std::string& driveTypeCaption) {
    checkRoom(checkpointCount(), "чекпоинтов");
    const CheckpointEntry& stored = data_.checkpoints.emplace_back(checkpoint);
    const int row = checkpointCount();
    TreeNode& root = rootOf(checkpointTree_);
    TreeNode& node = checkpointTree_.append(&root, tree_text::checkpointNode(row));
    appendCheckpointNodes(checkpointTree_, node, stored, driveTypeCaption);
    checkpointTree_.setText(root, tree_text::checkpointsRoot(row));
    notify(MissionPart::Checkpoints);
    return row;
}

void Mission::changeCheckpoint(int row, const CheckpointEntry& checkpoint,
                               const std::string& driveTypeCaption) {
    rowAt(data_.checkpoints, row, "Чекпоинта");
    data_.checkpoints[static_cast<size_t>(row - 1)] = checkpoint;
    TreeNode* node = rootOf(checkpointTree_).child(row - 1);
    if (node != nullptr) {
        setChildText(checkpointTree_, node, 0, tree_text::speed(checkpoint.Speed));
        setChildText(checkpointTree_, node, 1, tree_text::driveType(driveTypeCaption));
        setChildTexts(checkpointTree_, node->child(2), positionTexts(checkpoint));
    }
    notify(MissionPart::Checkpoints);
}

bool Mission::removeLastCheckpoint() {
    if (data_.checkpoints.empty()) {
        return false;
    }
    TreeNode& root = rootOf(checkpointTree_);
    checkpointTree_.remove(&root, root.childCount() - 1);
    data_.checkpoints.pop_back();
    checkpointTree_.setText(root, tree_text::checkpointsRoot(checkpointCount()));
    notify(MissionPart::Checkpoints);
    return true;
}

int Mission::appendObject(const ObjectEntry& object) {
    checkRoom(objectCount(), "объектов");
    const ObjectEntry& stored = data_.objects.emplace_back(object);
    const int row = objectCount();
    TreeNode& node = objectTree_.append(&rootOf(objectTree_), tree_text::objectNode(row));
    objectTree_.append(&node, tree_text::model(stored.Model));
    TreeNode& coordinates = objectTree_.append(&node, std::string(tree_text::Coordinates));
    appendTexts(objectTree_, coordinates, positionTexts(stored));
    notify(MissionPart::Objects);
    return row;
}

void Mission::changeObject(int row, const ObjectEntry& object) {
    rowAt(data_.objects, row, "Объекта");
    data_.objects[static_cast<size_t>(row - 1)] = object;
    TreeNode* node = rootOf(objectTree_).child(row - 1);
    if (node != nullptr) {
        setChildText(objectTree_, node, 0, tree_text::model(object.Model));
        setChildTexts(objectTree_, node->child(1), positionTexts(object));
    }
    notify(MissionPart::Objects);
}

bool Mission::removeLastObject() {
    if (data_.objects.empty()) {
        return false;
    }
    TreeNode& root = rootOf(objectTree_);
    objectTree_.remove(&root, root.childCount() - 1);
    data_.objects.pop_back();
    notify(MissionPart::Objects);
    return true;
}

void Mission::checkConditionCount(std::size_t count) {
    if (count > std::size_t{MaxConditions}) {
        throw Error("Допускается не более " + std::to_string(MaxConditions) + " подусловий");
    }
}

void Mission::appendEventNodes(TextTree& tree, TreeNode& node, const EventEntry& event) {
    TreeNode& condition = tree.append(&node, tree_text::condition(event.ConditionKind));
    appendLines(tree, condition, event.Conditions);
    TreeNode& action = tree.append(&node, std::string(tree_text::ActionNode));
    appendLines(tree, action, event.Actions);
}

int Mission::appendEvent(const EventEntry& event) {
    checkConditionCount(event.Conditions.size());
    const int row = ++data_.eventCount;
    TreeNode& node = eventsTree_.append(&rootOf(eventsTree_), tree_text::eventNode(row));
    appendEventNodes(eventsTree_, node, event);
    notify(MissionPart::Events);
    return row;
}

void Mission::changeEvent(int row, const EventEntry& event) {
    if (row < 1 || row > eventCount()) {
        throw Error("События №" + std::to_string(row) + " нет в миссии");
    }
    checkConditionCount(event.Conditions.size());
    TreeNode& root = rootOf(eventsTree_);
    TreeNode* node = root.child(row - 1);
    if (node == nullptr) {
        return;
    }
    TreeNode* condition = node->child(0);
    TreeNode* action = node->child(1);
    if (condition == nullptr || action == nullptr) {
        // A node group read from a damaged file: build it afresh.
        removeChildren(eventsTree_, *node);
        appendEventNodes(eventsTree_, *node, event);
    } else {
        eventsTree_.setText(*condition, tree_text::condition(event.ConditionKind));
        removeChildren(eventsTree_, *condition);
        appendLines(eventsTree_, *condition, event.Conditions);
        removeChildren(eventsTree_, *action);
        appendLines(eventsTree_, *action, event.Actions);
    }
    notify(MissionPart::Events);
}

bool Mission::removeLastEvent() {
    if (data_.eventCount == 0) {
        return false;
    }
    TreeNode& root = rootOf(eventsTree_);
    eventsTree_.remove(&root, root.childCount() - 1);
    --data_.eventCount;
    notify(MissionPart::Events);
    return true;
}

bool Mission::isEventLine(const TreeNode& node) {
    const TreeNode* group = node.parent();
    const TreeNode* eventNode = group != nullptr ? group->parent() : nullptr;
    return eventNode != nullptr && eventNode->parent() != nullptr &&
           eventNode->parent()->parent() == nullptr && eventNode->parent()->index() == 0 &&
           group->index() <= 1;
}

bool Mission::editEventLine(const TreeNode& node, const std::string& text) {
    if (!isEventLine(node) || text.empty() || node.text() == text) {
        return false;
    }
    eventsTree_.setText(const_cast<TreeNode&>(node), text);
    notify(MissionPart::Events);
    return true;
}

int Mission::rowForNode(const TextTree& tree, const TreeNode* node) {
    if (node == nullptr || tree.root() == nullptr || node->parent() != tree.root()) {
        return 0;
    }
    return node->index() + 1;
}

void Mission::replace(MissionData data, MissionTrees trees) {
    data_ = std::move(data);
    carTree_.reset(std::move(trees.cars));
    checkpointTree_.reset(std::move(trees.checkpoints));
    objectTree_.reset(std::move(trees.objects));
    eventsTree_.reset(std::move(trees.events));
    notify(MissionPart::Everything);
}

MissionTrees Mission::cloneTrees() const {
    return {carTree_.cloneNodes(), checkpointTree_.cloneNodes(), objectTree_.cloneNodes(),
            eventsTree_.cloneNodes()};
}

void Mission::addObserver(MissionObserver* observer) const {
    observers_.push_back(observer);
}

void Mission::removeObserver(MissionObserver* observer) const {
    std::erase(observers_, observer);
}

void Mission::notify(MissionPart part) const {
    for (auto* observer : observers_) {
        observer->missionChanged(part);
    }
}

}  // namespace qv
