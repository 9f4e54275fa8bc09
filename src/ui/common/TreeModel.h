#pragma once

#include <QAbstractItemModel>
#include <functional>
#include <string>

#include "model/TextTree.h"

namespace qv::ui {

// A Qt item model over one of the mission's trees: a view of it that follows every change the
// tree reports. The model changes nothing itself, except through the edit hook.
class TreeModel final : public QAbstractItemModel, private TreeObserver {
    Q_OBJECT

  public:
    // Takes an in-place edit of `node`; returns whether the tree took the text.
    using EditHook = std::function<bool(const TreeNode& node, const std::string& text)>;
    // Whether `node` may be edited in place.
    using EditablePredicate = std::function<bool(const TreeNode& node)>;

    explicit TreeModel(const TextTree& tree, QObject* parent = nullptr);
    ~TreeModel() override;

    // Makes the nodes that `editable` accepts (all, when it is empty) editable in place.
    void setEditHook(EditHook hook, EditablePredicate editable = {});

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

  private:
    void nodesAboutToBeInserted(const TreeNode* parent, int first, int last) override;
    void nodesInserted(const TreeNode* parent, int first, int last) override;
    void nodesAboutToBeRemoved(const TreeNode* parent, int first, int last) override;
    void nodesRemoved(const TreeNode* parent, int first, int last) override;
    void textChanged(const TreeNode& node) override;
    void treeAboutToBeReset() override;
    void treeReset() override;

    const TextTree& tree_;
    EditHook editHook_;
    EditablePredicate editable_;
};

}  // namespace qv::ui
