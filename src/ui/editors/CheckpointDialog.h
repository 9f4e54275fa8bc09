#pragma once

#include <QStringList>
#include <string>

#include "model/Entries.h"
#include "ui/editors/EntityDialog.h"

class QComboBox;
class QSlider;

namespace qv::ui {

class CoordinateGroup;
class SpeedField;

// What the add-checkpoint and change-checkpoint dialogs share: the opponents' speed as a slider
// and a number in step, the drive type, and the position with its capture button. The twins
// list the drive types under different texts, and the tree shows the text of the dialog that
// last wrote the checkpoint.
class CheckpointDialog : public EntityDialog {
    Q_OBJECT

  public:
    // The checkpoint the controls describe; no drive type chosen stores the code "-1".
    CheckpointEntry entry() const;
    // The chosen drive type as this dialog lists it; empty when none is chosen.
    std::string driveTypeCaption() const;

  protected:
    struct Variant {
        const char* objectName;
        QString caption;
        QString commitCaption;          // BitBtn1
        QStringList driveTypeCaptions;  // for the codes "3", "1" and "2", in this order
    };
    CheckpointDialog(EditorApp& app, const Variant& variant);

    // Shows `checkpoint`; a drive type code the list does not hold leaves the list as it was.
    void showEntry(const CheckpointEntry& checkpoint);

  private:
    QSlider* speedSlider_;
    SpeedField* speedField_;
    QComboBox* driveType_;
    CoordinateGroup* coordinates_;
};

}  // namespace qv::ui
