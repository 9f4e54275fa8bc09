#include <QCoreApplication>

#include "ui/common/RowEditor.h"
#include "ui/editors/CarDialog.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// "Добавить машину": adds a car at the end of the table, or after the selected one. The dialog
// keeps its fields and its component list for the next car.
class AddCarWindow final : public CarDialog, public RowInserter {
  public:
    explicit AddCarWindow(EditorApp& app)
        : CarDialog(app, {"AddCar", QCoreApplication::translate("AddCarWindow", "Добавить машину"),
                          QCoreApplication::translate("AddCarWindow", "Добавить"),
                          QCoreApplication::translate("AddCarWindow", "Тюнинг транспорта"),
                          Mission::MaxComponents}) {}

  private:
    void openAt(int row) override {
        row_ = row;
        present();
    }
    void commit() override {
        insertRow([this](int row) { return app().mission().insertCar(row, entry()); });
    }
};

}  // namespace

QWidget* createAddCarWindow(EditorApp& app) {
    return new AddCarWindow(app);
}

}  // namespace qv::ui
