#include "ui/editors/CarDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/Controls.h"
#include "ui/common/Look.h"
#include "ui/editors/EntityFields.h"
#include "ui/editors/ModelCompleter.h"
#include "ui/main/EditorApp.h"

namespace qv::ui {

CarDialog::CarDialog(EditorApp& app, const Variant& variant)
    : EntityDialog(app, variant.objectName, variant.caption),
      componentLimit_(variant.componentLimit) {
    auto* area = new QWidget(this);
    model_ = makeModelField("Edit1", area);
    attachVehicleCompleter(*model_);
    // The switch of the tuning panel, beside the model: without it a car's components could
    // not be edited at all.
    auto* panelSwitch = makePanelSwitch("SpeedButton2", tr("Тюнинг транспорта"), area);
    auto* modelRow = new QHBoxLayout;
    modelRow->addWidget(makeLabel(tr("Модель"), area));
    modelRow->addWidget(makeModelLabel(QStringLiteral("#"), area));
    modelRow->addWidget(model_, 1);
    modelRow->addWidget(panelSwitch);

    coordinates_ = new CoordinateGroup(app, tr("Стартовые координаты"), AngleField::Captured, area);
    auto* commitButton = makeButton("BitBtn1", variant.commitCaption, {}, area);

    auto* layout = new QVBoxLayout(area);
    layout->addLayout(modelRow);
    layout->addWidget(coordinates_);
    layout->addWidget(commitButton, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    QWidget* panel = makeTuningPanel(variant.panelCaption);
    panel_ =
        std::make_unique<FoldingPanel>(*this, *area, *panel, NarrowWidth, WideWidth, NarrowWidth);
    connect(panelSwitch, &QToolButton::clicked, this, [this] { panel_->toggle(); });
    connectCommit(*commitButton);
}

void CarDialog::fitTitle(int width) {
    panel_->setLeastWidth(width);
}

QWidget* CarDialog::makeTuningPanel(const QString& caption) {
    auto* panel = new QGroupBox(caption, this);
    panel->setObjectName(QStringLiteral("GroupBox2"));
    components_ = new QListWidget(panel);
    components_->setObjectName(QStringLiteral("Components"));
    components_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    look::setTextLook(*components_, look::monoFont(true), look::Maroon);
    componentModel_ = makeModelField("CModel", panel);
    auto* add = makeButton("Button1", tr("Добавить"), {}, panel);
    auto* remove = makeButton("Button2", tr("Удалить"), {}, panel);

    auto* modelRow = new QHBoxLayout;
    modelRow->addWidget(makeLabel(tr("Модель"), panel));
    modelRow->addWidget(makeModelLabel(QStringLiteral("#"), panel));
    modelRow->addWidget(componentModel_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(makeLabel(tr("Компоненты:"), panel));
    layout->addWidget(components_, 1);
    layout->addLayout(modelRow);
    layout->addLayout(buttons);

    app().connectCommand(add, &QPushButton::clicked, this, [this] { addComponent(); });
    app().connectCommand(remove, &QPushButton::clicked, this, [this] { removeComponents(); });
    return panel;
}

void CarDialog::addComponent() {
    if (components_->count() >= componentLimit_ || componentModel_->text().isEmpty()) {
        app().dialogs().beep();
        return;
    }
    components_->addItem(QLatin1Char('#') + componentModel_->text());
}

void CarDialog::removeComponents() {
    qDeleteAll(components_->selectedItems());
}

CarEntry CarDialog::entry() const {
    CarEntry car;
    car.Model = model_->text().toStdString();
    car.X = coordinates_->x();
    car.Y = coordinates_->y();
    car.Z = coordinates_->z();
    car.Angle = coordinates_->angle();
    for (int i = 0; i < components_->count(); ++i) {
        car.Components.push_back(components_->item(i)->text().toStdString());
    }
    return car;
}

void CarDialog::showEntry(const CarEntry& car) {
    model_->setText(QString::fromStdString(car.Model));
    coordinates_->setTexts(car.X, car.Y, car.Z, car.Angle);
    components_->clear();
    for (const std::string& component : car.Components) {
        components_->addItem(QString::fromStdString(component));
    }
}

}  // namespace qv::ui
