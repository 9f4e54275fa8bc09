#include "ui/main/CheckpointsPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/Controls.h"
#include "ui/common/MissionTreeView.h"
#include "ui/main/EditorApp.h"
#include "ui/main/RowButtons.h"
#include "ui/map/MapWindow.h"
#include "ui/recorder/RecorderWindow.h"

namespace qv::ui {

CheckpointsPage::CheckpointsPage(EditorApp& app, QWidget* parent) : ParameterPage(parent) {
    nameControl(*this, "CheckpsParameters",
                tr("Чекпоинты - это контрольные точки, которые в совокупности "
                   "представляют собой маршрут гонки"));
    Mission& mission = app.mission();

    checkpointTree_ =
        new MissionTreeView(mission.checkpointTree(), QStringLiteral("CheckpTree"), this);
    checkpointTree_->setStatusTip(tr("Здесь указаны все чекпоинты гонки"));

    auto* add = makeButton("AddCheckpBtn", tr("Добавить чекпоинт"), {}, this);
    auto* remove = makeButton("DelCheckpBtn", tr("Удалить последний"), {}, this);
    auto* change = makeButton("RepCheckpBtn", tr("Изменить"), {}, this);

    // The note's line break stands where the text says it does.
    circuitNote_ =
        makeLabel(tr("В кольцевой гонке первый чекпоинт используется в качестве\r\nначала круга.")
                      .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                  this);
    circuitNote_->setObjectName(QStringLiteral("CircuitNote"));
    circuitNote_->setVisible(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addWidget(change);
    buttons->addStretch(1);
    auto* side = new QVBoxLayout;
    side->addLayout(buttons);
    side->addSpacing(12);
    side->addWidget(circuitNote_);
    auto* map = makeButton("RouteMapBtn", tr("Карта маршрута"),
                           tr("Маршрут гонки на карте San Andreas"), this);
    app.connectCommand(map, &QPushButton::clicked, this, [&app] { showRouteMap(app); });
    auto* recorder = makeButton("RouteRecorderBtn", tr("Запись маршрута"),
                                tr("Проедьте гонку в игре, и чекпоинты лягут по пути"), this);
    app.connectCommand(recorder, &QPushButton::clicked, this, [&app] { showRouteRecorder(app); });
    auto* tools = new QHBoxLayout;
    tools->addWidget(map);
    tools->addWidget(recorder);
    tools->addStretch(1);
    side->addSpacing(12);
    side->addLayout(tools);
    side->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->addWidget(checkpointTree_, 1);
    page->addLayout(side, 1);

    connectRowButtons(app, *checkpointTree_, {add, remove, change},
                      {MissionPart::Checkpoints, WindowId::AddCheckp, WindowId::ModifyCheckp});
}

void CheckpointsPage::showParameters(const MissionParameters& p) {
    circuitNote_->setVisible(p.ARaceType == Circuit);
}

void CheckpointsPage::storeParameters(MissionParameters& /*parameters*/) const {}

}  // namespace qv::ui
