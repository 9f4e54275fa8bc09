#include "ui/editors/CheckpointDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <array>

#include "ui/common/Controls.h"
#include "ui/editors/EntityFields.h"
#include "ui/editors/SpeedField.h"

namespace qv::ui {

namespace {

// The drive type codes in the order of the list's items.
constexpr std::array<const char*, 3> DriveTypeCodes = {DriveType::Racing, DriveType::Normal,
                                                       DriveType::Direct};

}  // namespace

CheckpointDialog::CheckpointDialog(EditorApp& app, const Variant& variant)
    : EntityDialog(app, variant.objectName, variant.caption),
      driveTypeCaptions_(variant.driveTypeCaptions) {
    speedSlider_ = new QSlider(Qt::Horizontal, this);
    speedSlider_->setObjectName(QStringLiteral("TrackBar1"));
    speedField_ = new SpeedField(*speedSlider_, this);
    speedField_->setObjectName(QStringLiteral("SpinEdit1"));

    driveType_ = new QComboBox(this);
    driveType_->setObjectName(QStringLiteral("ComboBox1"));
    for (const char* caption : driveTypeCaptions_) {
        driveType_->addItem(tr(caption));
    }
    driveType_->setCurrentIndex(0);
    driveType_->setFont(QFont(QStringLiteral("Arial"), 8));

    coordinates_ = new CoordinateGroup(app, tr("Координаты"), AngleField::None, this);
    auto* commitButton = makeButton("BitBtn1", variant.commitCaption, {}, this);

    auto* speed = new QGridLayout;
    speed->addWidget(makeLabel(tr("Скорость езды противников"), this), 0, 0, 1, 2);
    speed->addWidget(speedSlider_, 1, 0);
    speed->addWidget(speedField_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(speed);
    layout->addWidget(makeLabel(tr("Тип езды"), this));
    layout->addWidget(driveType_);
    layout->addWidget(coordinates_);
    layout->addWidget(commitButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
    connectCommit(*commitButton);
}

CheckpointEntry CheckpointDialog::entry() const {
    CheckpointEntry checkpoint;
    checkpoint.X = coordinates_->x();
    checkpoint.Y = coordinates_->y();
    checkpoint.Z = coordinates_->z();
    checkpoint.Speed = speedSlider_->value();
    const int item = driveType_->currentIndex();
    checkpoint.Type = item >= 0 && item < int(DriveTypeCodes.size()) ? DriveTypeCodes[size_t(item)]
                                                                     : DriveType::None;
    return checkpoint;
}

std::string CheckpointDialog::driveTypeCaption() const {
    const int item = driveType_->currentIndex();
    return item >= 0 && item < int(driveTypeCaptions_.size()) ? driveTypeCaptions_[size_t(item)]
                                                              : std::string();
}

void CheckpointDialog::showEntry(const CheckpointEntry& checkpoint) {
    coordinates_->setTexts(checkpoint.X, checkpoint.Y, checkpoint.Z);
    speedSlider_->setValue(checkpoint.Speed);
    speedField_->setValue(speedSlider_->value());
    for (size_t item = 0; item < DriveTypeCodes.size(); ++item) {
        if (checkpoint.Type == DriveTypeCodes[item]) {
            driveType_->setCurrentIndex(int(item));
        }
    }
}

}  // namespace qv::ui
