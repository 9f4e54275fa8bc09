#include "ui/editors/CarDialog.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// "Добавить машину": appends a car at the end of the table. The dialog keeps its fields and
// its component list for the next car.
class AddCarWindow final : public CarDialog {
  public:
    explicit AddCarWindow(EditorApp& app)
        : CarDialog(app, {"AddCar", QStringLiteral("Добавить машину"), QStringLiteral("Добавить"),
                          QStringLiteral("Тюнинг транспорта"), Mission::MaxComponents}) {}

  private:
    void commit() override { app().mission().appendCar(entry()); }
};

}  // namespace

QWidget* createAddCarWindow(EditorApp& app) {
    return new AddCarWindow(app);
}

}  // namespace qv::ui
