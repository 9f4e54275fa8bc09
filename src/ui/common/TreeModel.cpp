#include "ui/common/TreeModel.h"

#include <QMimeData>

#include "model/Mission.h"
#include "model/TreeTexts.h"

namespace qv::ui {

TreeModel::TreeModel(const TextTree& tree, QObject* parent)
    : QAbstractItemModel(parent), tree_(tree) {
    tree_.addObserver(this);
}

TreeModel::~TreeModel() {
    tree_.removeObserver(this);
}

void TreeModel::setEditHook(EditHook hook, EditablePredicate editable) {
    editHook_ = std::move(hook);
    editable_ = std::move(editable);
}

void TreeModel::setMoveHook(MoveHook hook) {
    moveHook_ = std::move(hook);
}

const TreeNode* TreeModel::node(const QModelIndex& index) const {
    return index.isValid() ? static_cast<const TreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex TreeModel::indexOf(const TreeNode* node) const {
    if (node == nullptr) {
        return {};
    }
    return createIndex(node->index(), 0, const_cast<TreeNode*>(node));
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0) {
        return {};
    }
    const TreeNode* parentNode = node(parent);
    TreeNode* child = parentNode != nullptr ? parentNode->child(row) : tree_.topLevel(row);
    return child != nullptr ? createIndex(row, 0, child) : QModelIndex();
}

QModelIndex TreeModel::parent(const QModelIndex& child) const {
    const TreeNode* childNode = node(child);
    return childNode != nullptr ? indexOf(childNode->parent()) : QModelIndex();
}

int TreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) {
        return 0;
    }
    const TreeNode* parentNode = node(parent);
    return parentNode != nullptr ? parentNode->childCount() : tree_.topLevelCount();
}

int TreeModel::columnCount(const QModelIndex& /*parent*/) const {
    return 1;
}

QVariant TreeModel::data(const QModelIndex& index, int role) const {
    const TreeNode* n = node(index);
    if (n == nullptr || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    // Shown in the program's language; edited as the tree (and its file) holds it.
    return QString::fromStdString(role == Qt::DisplayRole ? tree_text::shownText(n->text())
                                                          : n->text());
}

bool TreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const TreeNode* n = node(index);
    if (n == nullptr || role != Qt::EditRole || !editHook_) {
        return false;
    }
    // The tree reports the change itself when it takes the text. The index holds the tree's
    // own node, which the hook changes through the mission.
    return editHook_(*static_cast<TreeNode*>(index.internalPointer()),
                     value.toString().toStdString());
}

Qt::ItemFlags TreeModel::flags(const QModelIndex& index) const {
    const TreeNode* n = node(index);
    if (n == nullptr) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editHook_ && (!editable_ || editable_(*n))) {
        result |= Qt::ItemIsEditable;
    }
    // A row is dragged and lands between rows, never onto one, so that the view draws its drop
    // marker as a line between rows; the first node takes a row at the end.
    if (moveHook_ && Mission::rowForNode(tree_, n) > 0) {
        result |= Qt::ItemIsDragEnabled;
    } else if (moveHook_ && n == tree_.root()) {
        result |= Qt::ItemIsDropEnabled;
    }
    return result;
}

namespace {

const QString RowMimeType = QStringLiteral("application/x-quorvane-row");

}  // namespace

Qt::DropActions TreeModel::supportedDropActions() const {
    return moveHook_ ? Qt::MoveAction : Qt::IgnoreAction;
}

QStringList TreeModel::mimeTypes() const {
    return {RowMimeType};
}

QMimeData* TreeModel::mimeData(const QModelIndexList& indexes) const {
    const int row = indexes.isEmpty() ? 0 : Mission::rowForNode(tree_, node(indexes.first()));
    if (row == 0) {
        return nullptr;
    }
    auto* data = new QMimeData;
    data->setData(RowMimeType, QByteArray::number(row));
    drag_ = data;
    return data;
}

int TreeModel::dropTarget(int from, int row, const QModelIndex& parent) const {
    const TreeNode* root = tree_.root();
    if (node(parent) != root) {
        return 0;
    }
    // Between two rows (before row `row`, from 0), or on the first node: at the end.
    const int count = root->childCount();
    const int before = row < 0 ? count : row;
    return before < from ? before + 1 : before;
}

bool TreeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int /*column*/,
                             const QModelIndex& parent) {
    // Only a row of this very tree, dragged here: a row never lands in another tree.
    if (!moveHook_ || action != Qt::MoveAction || data == nullptr || data != drag_ ||
        tree_.root() == nullptr) {
        return false;
    }
    const int from = data->data(RowMimeType).toInt();
    const int to = dropTarget(from, row, parent);
    if (from < 1 || from > tree_.root()->childCount() || to < 1 || from == to) {
        return false;
    }
    moveHook_(from, to);
    return true;
}

void TreeModel::nodesAboutToBeInserted(const TreeNode* parent, int first, int last) {
    beginInsertRows(indexOf(parent), first, last);
}

void TreeModel::nodesInserted(const TreeNode* /*parent*/, int /*first*/, int /*last*/) {
    endInsertRows();
}

void TreeModel::nodesAboutToBeRemoved(const TreeNode* parent, int first, int last) {
    beginRemoveRows(indexOf(parent), first, last);
}

void TreeModel::nodesRemoved(const TreeNode* /*parent*/, int /*first*/, int /*last*/) {
    endRemoveRows();
}

void TreeModel::textChanged(const TreeNode& node) {
    const QModelIndex index = indexOf(&node);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
}

void TreeModel::treeAboutToBeReset() {
    beginResetModel();
}

void TreeModel::treeReset() {
    endResetModel();
}

}  // namespace qv::ui
