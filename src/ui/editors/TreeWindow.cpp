#include "ui/editors/TreeWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/Controls.h"
#include "ui/common/Look.h"
#include "ui/common/MissionTreeView.h"
#include "ui/editors/Placement.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"

namespace qv::ui {

namespace {

constexpr Qt::WindowFlags FixedFrameFlags = Qt::Window | Qt::CustomizeWindowHint |
                                            Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                            Qt::MSWindowsFixedSizeDialogHint;
constexpr int TreeWidth = 300;
constexpr int TreeHeight = 300;

}  // namespace

TreeWindow::TreeWindow(EditorApp& app, const Variant& variant) : QWidget(nullptr, FixedFrameFlags) {
    setObjectName(QString::fromLatin1(variant.objectName));
    setWindowTitle(variant.caption);
    setFont(look::windowFont());
    centreWhenShown(*this, app.mainWindow());

    tree_ = new MissionTreeView(app.mission().tree(variant.table.part), variant.treeName, this);
    tree_->setFixedSize(TreeWidth, TreeHeight);
    const auto button = [this](const Button& b) {
        return makeButton(b.objectName, b.caption, {}, this);
    };
    QPushButton* add = button(variant.add);
    QPushButton* removeLast = button(variant.remove);
    QPushButton* change = button(variant.change);
    QPushButton* expand = button(variant.expand);
    QPushButton* collapse = button(variant.collapse);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add, removeLast, change}) {
        buttons->addWidget(b);
    }
    buttons->addSpacing(12);
    buttons->addWidget(expand);
    buttons->addWidget(collapse);
    buttons->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(tree_);
    body->addLayout(buttons);
    contents_ = new QVBoxLayout(this);
    contents_->addLayout(body);
    contents_->setSizeConstraint(QLayout::SetFixedSize);
    contents_->activate();

    connectRowButtons(app, *tree_, {add, removeLast, change}, variant.table);
    connect(expand, &QPushButton::clicked, tree_, &QTreeView::expandAll);
    connect(collapse, &QPushButton::clicked, tree_, &QTreeView::collapseAll);
    connect(tree_, &MissionTreeView::selectedNodeChanged, this, [this](const TreeNode* node) {
        // A node opens when it is selected.
        tree_->expand(tree_->treeModel().indexOf(node));
    });
}

}  // namespace qv::ui
