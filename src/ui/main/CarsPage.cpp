#include "ui/main/CarsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/Controls.h"
#include "ui/common/MissionTreeView.h"
#include "ui/main/EditorApp.h"
#include "ui/main/RowButtons.h"

namespace qv::ui {

CarsPage::CarsPage(EditorApp& app, QWidget* parent) : ParameterPage(parent) {
    setObjectName(QStringLiteral("CarsParameters"));
    Mission& mission = app.mission();

    carTree_ = new MissionTreeView(mission.carTree(), QStringLiteral("CarTree"), this);
    carTree_->setStatusTip(tr("Здесь указаны все машины, которые будут участвовать в гонке"));

    auto* add = makeButton("AddCarBtn", tr("Добавить машину"), tr("Добавить машину в гонку"), this);
    auto* remove = makeButton("DelCarBtn", tr("Удалить последнюю"),
                              tr("Удалить последнюю машину из гонки"), this);
    auto* change =
        makeButton("RepCarBtn", tr("Изменить"), tr("Изменить параметры выбранной машины"), this);

    playerCarNumber_ =
        makeSpinBox("PlayerCarNumber", 1, 1, tr("Номер машины игрока в массиве"), this);
    makeArrowsOnly(*playerCarNumber_);
    playerCarNumber_->setFixedWidth(60);
    playerCarNumber_->setEnabled(false);

    playerCar_ = makeCheckBox("PlayerCar", tr("Своя машина*"), {}, this);
    auto* note =
        makeLabel(tr("*Если выбрано, то из указанных программе параметров машины используются "
                     "только координаты старта. После выбора этого параметра миссия "
                     "начинается только в том случае, если игрок будет находиться в "
                     "координатах старта в машине."),
                  this);
    note->setWordWrap(true);

    handling_ = new QSlider(Qt::Horizontal, this);
    nameControl(*handling_, "IHBar",
                tr("Если улучшить управление, машины противников смогут точнее "
                   "выполнять крутые виражи."));
    handling_->setRange(0, 5);
    handling_->setPageStep(1);
    handling_->setTickPosition(QSlider::TicksBelow);
    handling_->setTickInterval(1);

    bulletProof_ = makeCheckBox("BP", tr("Все машины пуленепробиваемые"),
                                tr("Рекомендуется в заездах на большие расстояния."), this);
    veryHeavy_ = makeCheckBox(
        "VH", tr("Все машины очень тяжёлые (very heavy)"),
        tr("Повышает устойчивость машины на дороге при столкновениях с обычным транспортом"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addWidget(change);
    auto* player = new QHBoxLayout;
    player->addWidget(makeLabel(tr("Номер машины игрока"), this));
    player->addWidget(playerCarNumber_);
    player->addStretch(1);
    auto* side = new QVBoxLayout;
    side->addLayout(buttons);
    side->addSpacing(8);
    side->addLayout(player);
    side->addWidget(playerCar_);
    side->addWidget(note);
    side->addSpacing(8);
    side->addWidget(makeLabel(tr("Улучшенное управление машин противников"), this));
    side->addWidget(handling_);
    side->addSpacing(8);
    side->addWidget(bulletProof_);
    side->addWidget(veryHeavy_);
    side->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->addWidget(carTree_, 1);
    page->addLayout(side, 1);

    connectRowButtons(app, *carTree_, {add, remove, change},
                      {MissionPart::Cars, WindowId::AddCar, WindowId::ModifyCar});

    connect(playerCarNumber_, &QSpinBox::valueChanged, this, &ParameterPage::edited);
    connect(playerCar_, &QCheckBox::toggled, this, &ParameterPage::edited);
    connect(handling_, &QSlider::valueChanged, this, &ParameterPage::edited);
    connect(bulletProof_, &QCheckBox::toggled, this, &ParameterPage::edited);
    connect(veryHeavy_, &QCheckBox::toggled, this, &ParameterPage::edited);
}

void CarsPage::setCarCount(int count) {
    playerCarNumber_->setMaximum(std::max(1, count));
    playerCarNumber_->setEnabled(count >= 2);
}

void CarsPage::showParameters(const MissionParameters& p) {
    playerCarNumber_->setValue(p.PlayerCarNumber);
    playerCar_->setChecked(p.PlayerCar);
    handling_->setValue(p.IHBar);
    bulletProof_->setChecked(p.BP);
    veryHeavy_->setChecked(p.VH);
}

void CarsPage::storeParameters(MissionParameters& p) const {
    p.PlayerCarNumber = playerCarNumber_->value();
    p.PlayerCar = playerCar_->isChecked();
    p.IHBar = handling_->value();
    p.BP = bulletProof_->isChecked();
    p.VH = veryHeavy_->isChecked();
}

}  // namespace qv::ui
