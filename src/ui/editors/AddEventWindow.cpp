#include <QBoxLayout>
#include <QCoreApplication>
#include <QPushButton>

#include "ui/common/Controls.h"
#include "ui/common/RowEditor.h"
#include "ui/editors/EventDialog.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// "Добавить событие": adds an event at the end, or after the selected one. The dialog keeps its
// texts and kind until "Очистить".
class AddEventWindow final : public EventDialog, public RowInserter {
  public:
    explicit AddEventWindow(EditorApp& app)
        : EventDialog(app, "AddEvent",
                      QCoreApplication::translate("AddEventWindow", "Добавить событие"),
                      QCoreApplication::translate("AddEventWindow", "Добавить")) {
        auto* clear = makeButton(
            "Button2", QCoreApplication::translate("AddEventWindow", "Очистить"), {}, this);
        buttonRow().insertWidget(1, clear);
        connect(clear, &QPushButton::clicked, this, &AddEventWindow::clearTexts);
    }

  private:
    void openAt(int row) override {
        row_ = row;
        present();
    }
    void commit() override {
        insertRow([this](int row) { return app().mission().insertEvent(row, checkedEntry()); });
    }
};

}  // namespace

QWidget* createAddEventWindow(EditorApp& app) {
    return new AddEventWindow(app);
}

}  // namespace qv::ui
