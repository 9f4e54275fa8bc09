#include <QCoreApplication>

#include "ui/common/RowEditor.h"
#include "ui/editors/CarDialog.h"
#include "ui/editors/RowTarget.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// Changes the car selected in the car tree. Opening it shows the car's row, its tuning
// components included, so that "Изменить" keeps the components the user did not touch.
class ModifyCarWindow final : public CarDialog, public RowEditor {
  public:
    explicit ModifyCarWindow(EditorApp& app)
        : CarDialog(app, {"ModifyCar",
                          {},
                          QCoreApplication::translate("ModifyCarWindow", "Изменить"),
                          QCoreApplication::translate("ModifyCarWindow", "Тюнинг транспорта*"),
                          Mission::MaxComponents - 1}),
          target_(app.mission(), MissionPart::Cars, *this,
                  [this](int row) { showEntry(this->app().mission().car(row)); }) {}

    void openRow(int row) override {
        showEntry(app().mission().car(row));
        target_.open(row);
        present();
    }

  private:
    void commit() override { app().mission().changeCar(target_.row(), entry()); }

    RowTarget target_;
};

}  // namespace

QWidget* createModifyCarWindow(EditorApp& app) {
    return new ModifyCarWindow(app);
}

}  // namespace qv::ui
