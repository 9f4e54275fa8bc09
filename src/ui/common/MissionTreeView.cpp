#include "ui/common/MissionTreeView.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>

#include "model/Mission.h"
#include "model/TreeTexts.h"

namespace qv::ui {

MissionTreeView::MissionTreeView(const TextTree& tree, const QString& objectName, QWidget* parent)
    : QTreeView(parent), model_(new TreeModel(tree, this)) {
    setObjectName(objectName);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    // The style's frame is a line that a scaled screen (1.25, 1.5) can round away on a side; a
    // border of its own is filled whole at every scale.
    setStyleSheet(QStringLiteral("qv--ui--MissionTreeView { border: 1px solid palette(mid); }"));
    setModel(model_);
    header()->setStretchLastSection(false);
    // The column takes the width of its longest shown line once per turn of the event loop,
    // after however many changes (sizing it on every change makes an undo of a moved row, which
    // renumbers a hundred rows, take a second).
    auto* fit = new QTimer(this);
    fit->setSingleShot(true);
    fit->setInterval(0);
    connect(fit, &QTimer::timeout, this, [this] { resizeColumnToContents(0); });
    const auto refit = [fit] { fit->start(); };
    connect(model_, &QAbstractItemModel::rowsInserted, fit, refit);
    connect(model_, &QAbstractItemModel::rowsRemoved, fit, refit);
    connect(model_, &QAbstractItemModel::dataChanged, fit, refit);
    connect(model_, &QAbstractItemModel::modelReset, fit, refit);
    connect(this, &QTreeView::expanded, fit, refit);
    connect(this, &QTreeView::collapsed, fit, refit);
    fit->start();  // a new mission's empty roots are shown whole too
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit selectedNodeChanged(selectedNode()); });
    // A model reset (loading) drops the selection without telling the selection model's
    // listeners; tell ours.
    // A tree loaded shows its rows.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        expandToDepth(0);
        emit selectedNodeChanged(selectedNode());
    });
}

void MissionTreeView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    // A removed node takes the selection with it; Qt would move it on to a neighbour.
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.parent() == parent && current.row() >= start &&
        current.row() <= end) {
        selectionModel()->clear();
    }
    QTreeView::rowsAboutToBeRemoved(parent, start, end);
}

void MissionTreeView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QTreeView::rowsInserted(parent, start, end);
    const TreeNode* root = model_->tree().root();
    if (root != nullptr && model_->node(parent) == root) {
        selectRow(end + 1);
    }
}

bool MissionTreeView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString text = index.data().toString();
        const QRect shown = visualRect(index);
        const int textRight =
            shown.left() + indentation() / 2 + fontMetrics().horizontalAdvance(text);
        if (const QString details = rowDetails(index); !details.isEmpty()) {
            QToolTip::showText(help->globalPos(), details, viewport(), shown);
        } else if (index.isValid() && (shown.left() < 0 || textRight > viewport()->width())) {
            QToolTip::showText(help->globalPos(), text, viewport(), shown);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QTreeView::viewportEvent(event);
}

QString MissionTreeView::rowDetails(const QModelIndex& index) const {
    const TreeNode* node = model_->node(index);
    if (node == nullptr || Mission::rowForNode(model_->tree(), node) == 0) {
        return {};
    }
    QStringList lines{QString::fromStdString(tree_text::shownText(node->text())).trimmed()};
    // Every line below the row, indented by its depth.
    const auto addBelow = [&lines](const TreeNode& parent, const QString& indent,
                                   const auto& self) -> void {
        for (int i = 0; i < parent.childCount(); ++i) {
            const TreeNode& child = *parent.child(i);
            lines << indent + QString::fromStdString(tree_text::shownText(child.text())).trimmed();
            self(child, indent + QStringLiteral("    "), self);
        }
    };
    addBelow(*node, QStringLiteral("    "), addBelow);
    return lines.join(QLatin1Char('\n'));
}

const TreeNode* MissionTreeView::selectedNode() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? nullptr : model_->node(selected.constFirst());
}

int MissionTreeView::selectedRow() const {
    return Mission::rowForNode(model_->tree(), selectedNode());
}

void MissionTreeView::selectNode(const TreeNode* node) {
    const QModelIndex index = model_->indexOf(node);
    if (!index.isValid()) {
        selectionModel()->clearSelection();
        return;
    }
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) {
        expand(parent);
    }
    scrollTo(index);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void MissionTreeView::selectRow(int row) {
    const TreeNode* root = model_->tree().root();
    const TreeNode* node = root != nullptr ? root->child(row - 1) : nullptr;
    selectNode(node);
    if (node != nullptr) {
        expand(model_->indexOf(node));
    }
}

}  // namespace qv::ui
