#include "ui/main/RowButtons.h"

#include <QPushButton>

#include "ui/common/MissionTreeView.h"
#include "ui/main/EditorApp.h"

namespace qv::ui {

void connectRowButtons(EditorApp& app, MissionTreeView& tree, const RowButtons& buttons,
                       WindowId addWindow, WindowId changeWindow,
                       std::function<void()> removeLast) {
    app.connectCommand(buttons.add, &QPushButton::clicked, &tree,
                       [&app, addWindow] { app.showWindow(addWindow); });
    app.connectCommand(buttons.removeLast, &QPushButton::clicked, &tree, std::move(removeLast));
    app.connectCommand(buttons.change, &QPushButton::clicked, &tree, [&app, &tree, changeWindow] {
        app.openRowEditor(changeWindow, tree.selectedRow());
    });
    buttons.change->setEnabled(tree.selectedRow() > 0);
    QObject::connect(
        &tree, &MissionTreeView::selectedNodeChanged, buttons.change,
        [&tree, change = buttons.change] { change->setEnabled(tree.selectedRow() > 0); });
}

}  // namespace qv::ui
