#pragma once

#include <QAbstractItemModel>
#include <QMimeData>
#include <QPointer>
#include <functional>
#include <string>

#include "model/TextTree.h"

namespace qv::ui {

// A Qt item model over one of the mission's trees: a view of it that follows every change the
// tree reports. The model changes nothing itself, except through the edit and move hooks.
class TreeModel final : public QAbstractItemModel, private TreeObserver {
    Q_OBJECT

  public:
    // Takes an in-place edit of `node`; returns whether the tree took the text.
    using EditHook = std::function<bool(TreeNode& node, const std::string& text)>;
    // Moves row `from` so that it becomes row `to` (rows from 1, as Mission numbers them).
    using MoveHook = std::function<void(int from, int to)>;
    // Whether `node` may be edited in place.
    using EditablePredicate = std::function<bool(const TreeNode& node)>;

    explicit TreeModel(const TextTree& tree, QObject* parent = nullptr);
    ~TreeModel() override;

    // Makes the nodes that `editable` accepts (all, when it is empty) editable in place.
    void setEditHook(EditHook hook, EditablePredicate editable = {});
    // Lets row nodes (children of the tree's first node) be dragged and dropped within the tree.
    void setMoveHook(MoveHook hook);

    const TextTree& tree() const { return tree_; }
    // The node an index stands for; nullptr for the invalid index.
    const TreeNode* node(const QModelIndex& index) const;
    QModelIndex indexOf(const TreeNode* node) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

  private:
    void nodesAboutToBeInserted(const TreeNode* parent, int first, int last) override;
    void nodesInserted(const TreeNode* parent, int first, int last) override;
    void nodesAboutToBeRemoved(const TreeNode* parent, int first, int last) override;
    void nodesRemoved(const TreeNode* parent, int first, int last) override;
    void textChanged(const TreeNode& node) override;
    void treeAboutToBeReset() override;
    void treeReset() override;

    const TextTree& tree_;
    // The row a drop at (`row`, `parent`) moves a dragged row to; 0 where no row can go.
    int dropTarget(int from, int row, const QModelIndex& parent) const;

    EditHook editHook_;
    MoveHook moveHook_;
    EditablePredicate editable_;
    // The data of the drag this model last began. A drop carrying any other data, though it
    // says the same (from another model, or from another running editor), moves nothing.
    mutable QPointer<QMimeData> drag_;
};

}  // namespace qv::ui
