#include "ui/editors/CheckpointDialog.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// "Добавить чекпоинт": appends a checkpoint at the end of the route. The dialog keeps its
// speed, drive type and position for the next checkpoint.
class AddCheckpWindow final : public CheckpointDialog {
  public:
    explicit AddCheckpWindow(EditorApp& app)
        : CheckpointDialog(
              app, {"AddCheckp",
                    QStringLiteral("Добавить чекпоинт"),
                    QStringLiteral("Добавить"),
                    {QStringLiteral("Гоночный "), QStringLiteral("По обычным транспортным путям"),
                     QStringLiteral("Напрямик")}}) {}

  private:
    void commit() override { app().mission().appendCheckpoint(entry(), driveTypeCaption()); }
};

}  // namespace

QWidget* createAddCheckpWindow(EditorApp& app) {
    return new AddCheckpWindow(app);
}

}  // namespace qv::ui
