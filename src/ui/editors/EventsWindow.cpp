#include <QAbstractItemView>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>

#include "ui/common/Controls.h"
#include "ui/common/MissionTreeView.h"
#include "ui/editors/TreeWindow.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// "События (beta)": the events of the mission in `EventsTree`. The tree is the events' only
// store, so a condition or action line edited in place changes the event; the event, "if" and
// "then" nodes keep their texts, and a line emptied in place keeps its old text.
class EventsWindow final : public TreeWindow {
  public:
    explicit EventsWindow(EditorApp& app)
        : TreeWindow(app,
                     {"Form10",
                      QCoreApplication::translate("EventsWindow", "События (beta)"),
                      QStringLiteral("EventsTree"),
                      {"Button1", QCoreApplication::translate("EventsWindow", "Добавить событие")},
                      {"Button2", QCoreApplication::translate("EventsWindow", "Удалить последнее")},
                      {"Button3", QCoreApplication::translate("EventsWindow", "Изменить")},
                      {"Button4", QCoreApplication::translate("EventsWindow", "Развернуть")},
                      {"Button5", QCoreApplication::translate("EventsWindow", "Свернуть")},
                      {MissionPart::Events, WindowId::AddEvent, WindowId::ModifyEvent}}) {
        auto* heading =
            makeLabel(QCoreApplication::translate("EventsWindow",
                                                  "Здесь вы можете настроить события, которые "
                                                  "будут происходить во время гонки."),
                      this);
        heading->setObjectName(QStringLiteral("Label1"));
        heading->setWordWrap(true);
        contents().insertWidget(0, heading);
        contents().activate();

        Mission& mission = app.mission();
        tree().treeModel().setEditHook(
            [&mission](TreeNode& node, const std::string& text) {
                return mission.editEventLine(node, text);
            },
            [&mission](const TreeNode& node) { return mission.isEventLine(node); });
        tree().setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::SelectedClicked |
                               QAbstractItemView::EditKeyPressed);
    }
};

}  // namespace

QWidget* createEventsWindow(EditorApp& app) {
    return new EventsWindow(app);
}

}  // namespace qv::ui
