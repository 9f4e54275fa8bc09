#include <QCoreApplication>

#include "ui/editors/TreeWindow.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// "Объекты": the objects of the mission in `ObjectTree`, added, removed from the end and
// changed through their dialogs.
class ObjectsWindow final : public TreeWindow {
  public:
    explicit ObjectsWindow(EditorApp& app)
        : TreeWindow(
              app, {"Form7",
                    QCoreApplication::translate("ObjectsWindow", "Объекты"),
                    QStringLiteral("ObjectTree"),
                    {"Button1", QCoreApplication::translate("ObjectsWindow", "Добавить объект")},
                    {"Button2", QCoreApplication::translate("ObjectsWindow", "Удалить последний")},
                    {"Button3", QCoreApplication::translate("ObjectsWindow", "Изменить")},
                    {"Button12", QCoreApplication::translate("ObjectsWindow", "Развернуть")},
                    {"Button4", QCoreApplication::translate("ObjectsWindow", "Свернуть")},
                    {MissionPart::Objects, WindowId::AddObject, WindowId::ModifyObject}}) {}
};

}  // namespace

QWidget* createObjectsWindow(EditorApp& app) {
    return new ObjectsWindow(app);
}

}  // namespace qv::ui
