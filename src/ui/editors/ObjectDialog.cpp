#include "ui/editors/ObjectDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/Controls.h"
#include "ui/editors/ModelCompleter.h"

namespace qv::ui {

ObjectDialog::ObjectDialog(EditorApp& app, const Variant& variant)
    : EntityDialog(app, variant.objectName, variant.caption) {
    area_ = new QWidget(this);
    model_ = makeModelField("Edit1", area_);
    attachObjectCompleter(*model_);
    modelRow_ = new QHBoxLayout;
    if (variant.hashApart) {
        modelRow_->addWidget(makeLabel(tr("Модель"), area_));
        modelRow_->addWidget(makeModelLabel(QStringLiteral("#"), area_));
    } else {
        modelRow_->addWidget(makeLabel(tr("Модель#"), area_));
    }
    modelRow_->addWidget(model_, 1);

    coordinates_ = new CoordinateGroup(app, tr("Координаты"), variant.angle, area_);
    auto* commitButton = makeButton("BitBtn1", variant.commitCaption, {}, area_);

    auto* layout = new QVBoxLayout(area_);
    layout->addLayout(modelRow_);
    layout->addWidget(coordinates_);
    layout->addWidget(commitButton, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    connectCommit(*commitButton);
}

void ObjectDialog::setModel(const QString& model) {
    model_->setText(model.toUpper());
}

ObjectEntry ObjectDialog::entry() const {
    return {model_->text().toStdString(), coordinates_->x(), coordinates_->y(), coordinates_->z(),
            coordinates_->angle()};
}

void ObjectDialog::showEntry(const ObjectEntry& object) {
    model_->setText(QString::fromStdString(object.Model));
    coordinates_->setTexts(object.X, object.Y, object.Z, object.Angle);
}

}  // namespace qv::ui
