#include <QCoreApplication>

#include "ui/common/RowEditor.h"
#include "ui/editors/EventDialog.h"
#include "ui/editors/RowTarget.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// Changes the event selected in the events window. Opening it shows the event's lines and
// selects its condition kind; "Изменить" rebuilds the event's condition and action lines from
// the dialog's non-empty lines, so lines added or removed are kept as the user wrote them.
class ModifyEventWindow final : public EventDialog, public RowEditor {
  public:
    explicit ModifyEventWindow(EditorApp& app)
        : EventDialog(app, "ModifyEvent", {},
                      QCoreApplication::translate("ModifyEventWindow", "Изменить")),
          target_(app.mission(), MissionPart::Events, *this,
                  [this](int row) { showEntry(this->app().mission().event(row)); }) {}

    void openRow(int row) override {
        showEntry(app().mission().event(row));
        target_.open(row);
        present();
    }

  private:
    void commit() override { app().mission().changeEvent(target_.row(), checkedEntry()); }

    RowTarget target_;
};

}  // namespace

QWidget* createModifyEventWindow(EditorApp& app) {
    return new ModifyEventWindow(app);
}

}  // namespace qv::ui
