#pragma once

#include "model/Entries.h"
#include "ui/editors/EntityDialog.h"
#include "ui/editors/EntityFields.h"

class QHBoxLayout;
class QLineEdit;

namespace qv::ui {

// What the add-object and change-object dialogs share: the model and the position with its
// angle, and the capture button. The fields stand in an area `NarrowWidth` wide at the left of
// the dialog.
class ObjectDialog : public EntityDialog {
    Q_OBJECT

  public:
    static constexpr int NarrowWidth = 209;

  protected:
    struct Variant {
        const char* objectName;
        QString caption;
        QString commitCaption;  // BitBtn1
        AngleField angle;       // whether the capture fills the angle
        bool hashApart;         // "Модель" and "#" as two labels, or "Модель#" as one
    };
    ObjectDialog(EditorApp& app, const Variant& variant);

    QWidget& area() const { return *area_; }
    // The row of the model field, where a button may be added beside it.
    QHBoxLayout& modelRow() const { return *modelRow_; }
    // Sets the model field's text in capitals, as typing it would.
    void setModel(const QString& model);

    ObjectEntry entry() const;
    void showEntry(const ObjectEntry& object);

  private:
    QWidget* area_;
    QHBoxLayout* modelRow_;
    QLineEdit* model_;
    CoordinateGroup* coordinates_;
};

}  // namespace qv::ui
