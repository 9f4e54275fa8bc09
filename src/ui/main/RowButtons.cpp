#include "ui/main/RowButtons.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

#include "ui/common/MissionTreeView.h"
#include "ui/main/EditorApp.h"

namespace qv::ui {

namespace {

// The commands on the selected row, in the tree's context menu and under their shortcuts while
// the tree has the focus.
void addRowActions(EditorApp& app, MissionTreeView& tree, const RowTable& table) {
    Mission& mission = app.mission();
    const MissionPart part = table.part;
    struct RowAction {
        const char* name;
        QString text;
        QKeySequence shortcut;
        std::function<void(int row)> command;
        std::function<bool(int row)> enabled;
    };
    const auto any = [](int row) { return row > 0; };
    const RowAction rowActions[] = {
        {"InsertRowAction",
         QCoreApplication::translate("RowButtons", "Вставить после выбранного"),
         {},
         [&app, id = table.addWindow](int row) { app.openRowInserter(id, row + 1); },
         any},
        {"DuplicateRowAction",
         QCoreApplication::translate("RowButtons", "Дублировать"),
         {},
         [&mission, part](int row) { mission.duplicateRow(part, row); },
         any},
        {"RemoveRowAction", QCoreApplication::translate("RowButtons", "Удалить выбранный"),
         QKeySequence(QKeySequence::Delete),
         [&mission, part](int row) { mission.removeRow(part, row); }, any},
        {"MoveRowUpAction", QCoreApplication::translate("RowButtons", "Переместить вверх"),
         QKeySequence(Qt::CTRL | Qt::Key_Up),
         [&mission, part](int row) { mission.moveRow(part, row, row - 1); },
         [](int row) { return row > 1; }},
        {"MoveRowDownAction", QCoreApplication::translate("RowButtons", "Переместить вниз"),
         QKeySequence(Qt::CTRL | Qt::Key_Down),
         [&mission, part](int row) { mission.moveRow(part, row, row + 1); },
         [&mission, part](int row) { return row > 0 && row < mission.rowCount(part); }},
    };
    std::vector<std::pair<QAction*, std::function<bool(int)>>> actions;
    for (const RowAction& rowAction : rowActions) {
        auto* action = new QAction(rowAction.text, &tree);
        action->setObjectName(QString::fromLatin1(rowAction.name));
        action->setShortcut(rowAction.shortcut);
        action->setShortcutContext(Qt::WidgetShortcut);
        app.connectCommand(action, &QAction::triggered, &tree,
                           [&tree, command = rowAction.command] {
                               if (const int row = tree.selectedRow(); row > 0) {
                                   command(row);
                               }
                           });
        tree.addAction(action);
        actions.emplace_back(action, rowAction.enabled);
    }
    // The insert command says which number the new row takes.
    QAction* insert = actions.front().first;
    const auto update = [&tree, actions, insert] {
        const int row = tree.selectedRow();
        for (const auto& [action, enabled] : actions) {
            action->setEnabled(enabled(row));
        }
        insert->setText(
            row > 0 ? QCoreApplication::translate("RowButtons",
                                                  "Вставить после выбранного (станет №%1)")
                          .arg(row + 1)
                    : QCoreApplication::translate("RowButtons", "Вставить после выбранного"));
    };
    update();
    QObject::connect(&tree, &MissionTreeView::selectedNodeChanged, &tree, update);
    tree.setContextMenuPolicy(Qt::ActionsContextMenu);

    // Enter or a double click on a row or a line of it opens its change dialog, as "Изменить"
    // does; a line edited in place keeps its double click.
    tree.setExpandsOnDoubleClick(false);
    app.connectCommand(&tree, &QAbstractItemView::activated, &tree,
                       [&app, &tree, id = table.changeWindow](const QModelIndex& index) {
                           if (!(index.flags() & Qt::ItemIsEditable)) {
                               app.openRowEditor(id, tree.selectedRow());
                           }
                       });

    tree.treeModel().setMoveHook([&app, &mission, part](int from, int to) {
        app.runCommand([&] { mission.moveRow(part, from, to); });
    });
    tree.setDragDropMode(QAbstractItemView::InternalMove);
    tree.setDropIndicatorShown(true);
}

}  // namespace

void connectRowButtons(EditorApp& app, MissionTreeView& tree, const RowButtons& buttons,
                       const RowTable& table) {
    app.connectCommand(buttons.add, &QPushButton::clicked, &tree,
                       [&app, id = table.addWindow] { app.openRowInserter(id, 0); });
    app.connectCommand(buttons.removeLast, &QPushButton::clicked, &tree,
                       [&mission = app.mission(), part = table.part] {
                           if (const int count = mission.rowCount(part); count > 0) {
                               mission.removeRow(part, count);
                           }
                       });
    app.connectCommand(
        buttons.change, &QPushButton::clicked, &tree,
        [&app, &tree, id = table.changeWindow] { app.openRowEditor(id, tree.selectedRow()); });
    buttons.change->setEnabled(tree.selectedRow() > 0);
    QObject::connect(
        &tree, &MissionTreeView::selectedNodeChanged, buttons.change,
        [&tree, change = buttons.change] { change->setEnabled(tree.selectedRow() > 0); });
    addRowActions(app, tree, table);
}

}  // namespace qv::ui
