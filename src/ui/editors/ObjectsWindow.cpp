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
        : TreeWindow(app, {"Form7",
                           QStringLiteral("Объекты"),
                           QStringLiteral("ObjectTree"),
                           {"Button1", QStringLiteral("Добавить объект")},
                           {"Button2", QStringLiteral("Удалить последний")},
                           {"Button3", QStringLiteral("Изменить")},
                           {"Button12", QStringLiteral("Развернуть")},
                           {"Button4", QStringLiteral("Свернуть")},
                           {MissionPart::Objects, WindowId::AddObject, WindowId::ModifyObject}}) {}
};

}  // namespace

QWidget* createObjectsWindow(EditorApp& app) {
    return new ObjectsWindow(app);
}

}  // namespace qv::ui
