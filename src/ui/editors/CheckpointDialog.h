#pragma once

#include <array>
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
// last wrote the checkpoint. That text is kept in the project in Russian, whatever language the
// list shows it in.
class CheckpointDialog : public EntityDialog {
    Q_OBJECT

  public:
    // The checkpoint the controls describe; no drive type chosen stores the code "-1".
    CheckpointEntry entry() const;
    // The chosen drive type as this dialog lists it in Russian (the text the project keeps);
    // empty when none is chosen.
    std::string driveTypeCaption() const;

  protected:
    struct Variant {
        const char* objectName;
        QString caption;
        QString commitCaption;  // BitBtn1
        // For the codes "3", "1" and "2", in this order: Russian texts marked for the catalogue in
        // this class's context, shown translated.
        std::array<const char*, 3> driveTypeCaptions;
    };
    CheckpointDialog(EditorApp& app, const Variant& variant);

    // Shows `checkpoint`; a drive type code the list does not hold leaves the list as it was.
    void showEntry(const CheckpointEntry& checkpoint);

  private:
    QSlider* speedSlider_;
    SpeedField* speedField_;
    QComboBox* driveType_;
    std::array<const char*, 3> driveTypeCaptions_;
    CoordinateGroup* coordinates_;
};

}  // namespace qv::ui
