#include <QCoreApplication>
#include <QHBoxLayout>
#include <QToolButton>
#include <memory>

#include "ui/common/Controls.h"
#include "ui/common/RowEditor.h"
#include "ui/editors/FoldingPanel.h"
#include "ui/editors/ObjectDialog.h"
#include "ui/editors/UserModelList.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

constexpr int WideWidth = 530;

// "Добавить объект": adds an object (at the end, or after the selected one), and holds the user's
// own model list in a panel that the button beside the model field opens and closes. The dialog
// first opens wide, the panel in sight but disabled.
class AddObjectWindow final : public ObjectDialog, public RowInserter {
  public:
    explicit AddObjectWindow(EditorApp& app)
        : ObjectDialog(
              app, {"AddObject", QCoreApplication::translate("AddObjectWindow", "Добавить объект"),
                    QCoreApplication::translate("AddObjectWindow", "Добавить"),
                    AngleField::Captured, true}) {
        auto* panelSwitch = makePanelSwitch(
            "SpeedButton2",
            QCoreApplication::translate("AddObjectWindow", "Пользовательский список моделей"),
            &area());
        modelRow().addWidget(panelSwitch);

        auto* list = new UserModelList(this);
        panel_ =
            std::make_unique<FoldingPanel>(*this, area(), *list, NarrowWidth, WideWidth, WideWidth);
        connect(panelSwitch, &QToolButton::clicked, this, [this] { panel_->toggle(); });
        connect(list, &UserModelList::modelChosen, this, &AddObjectWindow::setModel);
    }

  private:
    void openAt(int row) override {
        row_ = row;
        present();
    }
    void fitTitle(int width) override { panel_->setLeastWidth(width); }
    void commit() override {
        insertRow([this](int row) { return app().mission().insertObject(row, entry()); });
    }

    std::unique_ptr<FoldingPanel> panel_;
};

}  // namespace

QWidget* createAddObjectWindow(EditorApp& app) {
    return new AddObjectWindow(app);
}

}  // namespace qv::ui
