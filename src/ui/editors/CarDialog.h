#pragma once

#include <memory>

#include "model/Entries.h"
#include "ui/editors/EntityDialog.h"
#include "ui/editors/FoldingPanel.h"

class QLineEdit;
class QListWidget;

namespace qv::ui {

class CoordinateGroup;

// What the add-car and change-car dialogs share: the model, the start position and heading with
// their capture button, and the tuning panel with the car's components, out of sight at the
// dialog's narrow width.
class CarDialog : public EntityDialog {
    Q_OBJECT

  public:
    static constexpr int NarrowWidth = 217;
    static constexpr int WideWidth = 440;

  protected:
    struct Variant {
        const char* objectName;
        QString caption;
        QString commitCaption;  // BitBtn1
        QString panelCaption;   // GroupBox2
        int componentLimit;     // entries the list takes at most
    };
    CarDialog(EditorApp& app, const Variant& variant);

    // The car the fields describe.
    CarEntry entry() const;
    // Shows `car` in the fields and its components in the list.
    void showEntry(const CarEntry& car);

    void fitTitle(int width) override;

  private:
    QWidget* makeTuningPanel(const QString& caption);
    void addComponent();
    void removeComponents();

    QLineEdit* model_;
    CoordinateGroup* coordinates_;
    QListWidget* components_ = nullptr;
    QLineEdit* componentModel_ = nullptr;
    int componentLimit_;
    std::unique_ptr<FoldingPanel> panel_;
};

}  // namespace qv::ui
