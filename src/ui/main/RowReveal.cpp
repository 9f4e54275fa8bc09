#include "ui/main/RowReveal.h"

#include "ui/common/MissionTreeView.h"
#include "ui/editors/TreeWindow.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"

namespace qv::ui {

namespace {

void selectIn(MissionTreeView& tree, int row) {
    if (row > 0) {
        tree.selectRow(row);
        tree.setFocus();
    }
}

void bringForward(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

void revealRow(MainWindow& window, qv::MissionPart part, int row) {
    EditorApp& app = window.app();
    const auto inWindow = [&](WindowId id) {
        app.showWindow(id);
        selectIn(static_cast<TreeWindow&>(app.window(id)).tree(), row);
    };
    switch (part) {
        case MissionPart::Objects:
            inWindow(WindowId::Objects);
            return;
        case MissionPart::Events:
            inWindow(WindowId::Events);
            return;
        case MissionPart::Cars:
            bringForward(window);
            window.showTab(MissionTab::CarsParameters);
            selectIn(window.carTree(), row);
            return;
        case MissionPart::Checkpoints:
            bringForward(window);
            window.showTab(MissionTab::CheckpsParameters);
            selectIn(window.checkpointTree(), row);
            return;
        case MissionPart::Parameters:
        case MissionPart::Everything:
            bringForward(window);
            window.showTab(MissionTab::BaseParameters);
            return;
    }
}

}  // namespace qv::ui
