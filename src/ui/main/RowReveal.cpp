#include "ui/main/RowReveal.h"

#include "ui/common/MissionTreeView.h"
#include "ui/editors/TreeWindow.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"

namespace qv::ui {
namespace {

void select(QWidget& window, MissionTreeView& tree, int row) {
    window.show();
    window.raise();
    window.activateWindow();
    tree.selectRow(row);
    tree.setFocus();
}

void revealInWindow(MainWindow& main, WindowId id, int row) {
    auto& window = static_cast<TreeWindow&>(main.app().window(id));
    main.app().showWindow(id);
    select(window, window.tree(), row);
}

}  // namespace

void revealRow(MainWindow& window, qv::MissionPart part, int row) {
    switch (part) {
        case MissionPart::Cars:
            window.showTab(MissionTab::CarsParameters);
            select(window, window.carTree(), row);
            break;
        case MissionPart::Checkpoints:
            window.showTab(MissionTab::CheckpsParameters);
            select(window, window.checkpointTree(), row);
            break;
        case MissionPart::Objects:
            revealInWindow(window, WindowId::Objects, row);
            break;
        case MissionPart::Events:
            revealInWindow(window, WindowId::Events, row);
            break;
        case MissionPart::Parameters:
        case MissionPart::Everything:
            window.showTab(MissionTab::BaseParameters);
            window.show();
            window.raise();
            window.activateWindow();
            break;
    }
}

}  // namespace qv::ui
