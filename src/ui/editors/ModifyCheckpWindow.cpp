#include <QCoreApplication>

#include "ui/common/RowEditor.h"
#include "ui/editors/CheckpointDialog.h"
#include "ui/editors/RowTarget.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// Changes the checkpoint selected in the checkpoint tree; its drive types carry shorter texts
// than those of the add dialog.
class ModifyCheckpWindow final : public CheckpointDialog, public RowEditor {
  public:
    explicit ModifyCheckpWindow(EditorApp& app)
        : CheckpointDialog(app, {"ModifyCheckp",
                                 {},
                                 QCoreApplication::translate("ModifyCheckpWindow", "Изменить"),
                                 {QT_TRANSLATE_NOOP("qv::ui::CheckpointDialog", "Гоночный"),
                                  QT_TRANSLATE_NOOP("qv::ui::CheckpointDialog", "По обычным путям"),
                                  QT_TRANSLATE_NOOP("qv::ui::CheckpointDialog", "Напрямик")}}),
          target_(app.mission(), MissionPart::Checkpoints, *this,
                  [this](int row) { showEntry(this->app().mission().checkpoint(row)); }) {}

    void openRow(int row) override {
        showEntry(app().mission().checkpoint(row));
        target_.open(row);
        present();
    }

  private:
    void commit() override {
        app().mission().changeCheckpoint(target_.row(), entry(), driveTypeCaption());
    }

    RowTarget target_;
};

}  // namespace

QWidget* createModifyCheckpWindow(EditorApp& app) {
    return new ModifyCheckpWindow(app);
}

}  // namespace qv::ui
