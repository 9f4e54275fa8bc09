#include <QCoreApplication>
#include <algorithm>

#include "ui/common/RowEditor.h"
#include "ui/editors/ObjectDialog.h"
#include "ui/editors/RowTarget.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {

// Changes the object selected in the objects window. Its capture button takes the position
// only: the angle field keeps its text.
class ModifyObjectWindow final : public ObjectDialog, public RowEditor {
  public:
    explicit ModifyObjectWindow(EditorApp& app)
        : ObjectDialog(app, {"ModifyObject",
                             {},
                             QCoreApplication::translate("ModifyObjectWindow", "Изменить"),
                             AngleField::Kept,
                             false}),
          target_(app.mission(), MissionPart::Objects, *this,
                  [this](int row) { showEntry(this->app().mission().object(row)); }) {
        fitTitle(NarrowWidth);
    }

    void openRow(int row) override {
        showEntry(app().mission().object(row));
        target_.open(row);
        present();
    }

  private:
    void fitTitle(int width) override {
        const int height = area().sizeHint().height();
        const int shown = std::max(width, int(NarrowWidth));
        area().setGeometry(0, 0, shown, height);
        setFixedSize(shown, height);
    }
    void commit() override { app().mission().changeObject(target_.row(), entry()); }

    RowTarget target_;
};

}  // namespace

QWidget* createModifyObjectWindow(EditorApp& app) {
    return new ModifyObjectWindow(app);
}

}  // namespace qv::ui
