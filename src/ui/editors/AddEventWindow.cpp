#include <QBoxLayout>
#include <QPushButton>

#include "ui/common/Controls.h"
#include "ui/editors/EventDialog.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// "Добавить событие": appends an event. The dialog keeps its texts and kind until "Очистить".
class AddEventWindow final : public EventDialog {
  public:
    explicit AddEventWindow(EditorApp& app)
        : EventDialog(app, "AddEvent", QStringLiteral("Добавить событие"),
                      QStringLiteral("Добавить")) {
        auto* clear = makeButton("Button2", QStringLiteral("Очистить"), {}, this);
        buttonRow().insertWidget(1, clear);
        connect(clear, &QPushButton::clicked, this, &AddEventWindow::clearTexts);
    }

  private:
    void commit() override { app().mission().appendEvent(checkedEntry()); }
};

}  // namespace

QWidget* createAddEventWindow(EditorApp& app) {
    return new AddEventWindow(app);
}

}  // namespace qv::ui
