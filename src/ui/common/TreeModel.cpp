#include "ui/common/TreeModel.h"

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
    return QString::fromStdString(n->text());
}

bool TreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const TreeNode* n = node(index);
    if (n == nullptr || role != Qt::EditRole || !editHook_) {
        return false;
    }
    // The tree reports the change itself when it takes the text.
    return editHook_(*n, value.toString().toStdString());
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
    return result;
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
