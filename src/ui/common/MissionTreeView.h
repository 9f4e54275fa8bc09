#pragma once

#include <QTreeView>

#include "ui/common/TreeModel.h"

namespace qv::ui {

// A tree view of one of the mission's trees (`CarTree`, `CheckpTree`, `ObjectTree`,
// `EventsTree`): no header, one node selected at a time, read-only unless its model has an
// edit hook. Its column is as wide as its longest shown line, scrolled horizontally, and a
// line cut by the view's edge shows its whole text when hovered. A row node that comes into the
// tree (added, inserted, moved, brought back by undo) is selected, expanded and scrolled to; a
// tree loaded anew shows its rows, and a row's tooltip shows all its lines.
class MissionTreeView final : public QTreeView {
    Q_OBJECT

  public:
    MissionTreeView(const TextTree& tree, const QString& objectName, QWidget* parent = nullptr);

    TreeModel& treeModel() const { return *model_; }
    // The selected node; nullptr when nothing is selected.
    const TreeNode* selectedNode() const;
    // The row the selected node stands for (a row node, a child of the tree's first node), from
    // 1; 0 when no row node is selected.
    int selectedRow() const;
    // Selects `node` (nothing, for nullptr), opening its ancestors and making it current.
    void selectNode(const TreeNode* node);
    // Selects the node of row `row` (from 1) and expands it one level.
    void selectRow(int row);
    // A row node's text with every line below it, one a line (its coordinates among them), as
    // its tooltip shows them; empty for any other node.
    QString rowDetails(const QModelIndex& index) const;

  signals:
    // The selection moved to `node` (nullptr: nothing is selected any more).
    void selectedNodeChanged(const qv::TreeNode* node);

  protected:
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    bool viewportEvent(QEvent* event) override;

  private:
    TreeModel* model_;
};

}  // namespace qv::ui
