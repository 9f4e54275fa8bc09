#include <QCoreApplication>

#include "ui/common/RowEditor.h"
#include "ui/editors/CheckpointDialog.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// "Добавить чекпоинт": adds a checkpoint at the end of the route, or after the
// selected one. The dialog keeps its
// speed, drive type and position for the next checkpoint.
class AddCheckpWindow final : public CheckpointDialog, public RowInserter {
  public:
    explicit AddCheckpWindow(EditorApp& app)
        : CheckpointDialog(
              app, {"AddCheckp",
                    QCoreApplication::translate("AddCheckpWindow", "Добавить чекпоинт"),
                    QCoreApplication::translate("AddCheckpWindow", "Добавить"),
                    {QT_TRANSLATE_NOOP("qv::ui::CheckpointDialog", "Гоночный "),
                     QT_TRANSLATE_NOOP("qv::ui::CheckpointDialog", "По обычным транспортным путям"),
                     QT_TRANSLATE_NOOP("qv::ui::CheckpointDialog", "Напрямик")}}) {}

  private:
    void openAt(int row) override {
        row_ = row;
        present();
    }
    void commit() override {
        insertRow([this](int row) {
            return app().mission().insertCheckpoint(row, entry(), driveTypeCaption());
        });
    }
};

}  // namespace

QWidget* createAddCheckpWindow(EditorApp& app) {
    return new AddCheckpWindow(app);
}

}  // namespace qv::ui
