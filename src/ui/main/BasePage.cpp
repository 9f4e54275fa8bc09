#include "ui/main/BasePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

#include "ui/common/Controls.h"
#include "ui/common/Look.h"
#include "ui/common/TextFields.h"
#include "ui/main/EditorApp.h"
#include "ui/main/PositionCaptureCommand.h"

namespace qv::ui {

namespace {
constexpr int MissionNameLength = 7;
constexpr const char* VariableHint = QT_TRANSLATE_NOOP(
    "qv::ui::BasePage", "Имя переменной координаты. В каждой миссии следует давать новое значение");
}  // namespace

BasePage::BasePage(EditorApp& app, QWidget* parent) : ParameterPage(parent) {
    setObjectName(QStringLiteral("BaseParameters"));

    auto* start = new QGroupBox(tr("Координаты старта гонки"), this);
    auto* startGrid = new QGridLayout(start);
    startGrid->setHorizontalSpacing(6);
    std::tie(startX_, startXvar_) =
        addCoordinateRow(*startGrid, 0, QStringLiteral("X"), "AStartX", "AStartXvar",
                         tr("Координаты старта гонки (по оси X)"));
    std::tie(startY_, startYvar_) =
        addCoordinateRow(*startGrid, 1, QStringLiteral("Y"), "AStartY", "AStartYvar",
                         tr("Координаты старта гонки (по оси Y)"));
    std::tie(startZ_, startZvar_) =
        addCoordinateRow(*startGrid, 2, QStringLiteral("Z"), "AStartZ", "AStartZvar",
                         tr("Координаты старта гонки (по оси Z)"));
    auto* capture = makeCaptureButton("GetCoordBtn1", start);
    startGrid->addWidget(capture, 0, 6, Qt::AlignLeft | Qt::AlignTop);
    startGrid->setColumnStretch(7, 1);
    // Tab runs through the three numbers first, which are typed together, then the names.
    QWidget* previous = startX_;
    for (QWidget* next : std::initializer_list<QWidget*>{startY_, startZ_, startXvar_, startYvar_,
                                                         startZvar_, capture}) {
        setTabOrder(previous, next);
        previous = next;
    }
    app.connectCommand(capture, &QToolButton::clicked, this, [&app, this] {
        capturePosition(app, {startX_, startY_, startZ_, nullptr});
    });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    raceType_ = new QComboBox(this);
    nameControl(*raceType_, "ARaceType", tr("Тип гоночной миссии"));
    raceType_->addItems({tr("Спринт"), tr("Кольцо")});
    lapsLabel_ = makeLabel(tr("Количество кругов"), this);
    lapsLabel_->setObjectName(QStringLiteral("LapsLabel"));
    laps_ = makeSpinBox("ALapsCount", 1, 20, tr("Количество кругов в кольцевой гонке"), this);
    auto* raceRow = new QHBoxLayout;
    raceRow->addWidget(raceType_);
    raceRow->addSpacing(16);
    raceRow->addWidget(lapsLabel_);
    raceRow->addWidget(laps_);
    raceRow->addStretch(1);
    grid->addWidget(makeLabel(tr("Тип гонки"), this), 0, 0);
    grid->addLayout(raceRow, 0, 1);

    missionName_ = makeLineEdit(
        "AMissionName", tr("Имя потока миссии. В мэйне имена потоков не должны повторяться"), this);
    makeUpperCase(*missionName_, MissionNameLength);
    missionName_->setFixedWidth(110);
    grid->addWidget(makeLabel(tr("Имя миссии"), this), 1, 0);
    grid->addWidget(missionName_, 1, 1, Qt::AlignLeft);

    missionNumber_ =
        makeSpinBox("AMissionNumber", 0, 500, tr("Номер миссии в файле main.scm"), this);
    makeArrowsOnly(*missionNumber_);
    missionNumber_->setFixedWidth(110);
    grid->addWidget(makeLabel(tr("Номер миссии в мэйне"), this), 2, 0);
    grid->addWidget(missionNumber_, 2, 1, Qt::AlignLeft);

    missionPrefix_ = makeLineEdit(
        "AMissionPrefix",
        tr("Префикс всех лейблов (Labels), которые будет использоваться в коде миссии."), this);
    look::setTextLook(*missionPrefix_, look::monoFont(true), look::Green);
    missionPrefix_->setFixedWidth(230);
    grid->addWidget(makeLabel(tr("Префикс лейблов миссии"), this), 3, 0);
    grid->addWidget(missionPrefix_, 3, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);

    passRepeat_ = makeCheckBox("PassRepeat", tr("Повторное прохождение миссии после выполнения"),
                               tr("После победы заезд можно будет повторять"), this);

    auto* page = new QVBoxLayout(this);
    page->addWidget(start);
    page->addSpacing(6);
    page->addLayout(grid);
    page->addSpacing(6);
    page->addWidget(passRepeat_);
    page->addStretch(1);

    for (QLineEdit* field : {startX_, startY_, startZ_}) {
        installCoordinateTidy(*field, TidyWhen::Clicked);
    }
    for (QLineEdit* field : {startX_, startY_, startZ_, startXvar_, startYvar_, startZvar_,
                             missionName_, missionPrefix_}) {
        connect(field, &QLineEdit::textChanged, this, &ParameterPage::edited);
    }
    connect(raceType_, &QComboBox::currentIndexChanged, this, &ParameterPage::edited);
    connect(laps_, &QSpinBox::valueChanged, this, &ParameterPage::edited);
    connect(missionNumber_, &QSpinBox::valueChanged, this, &ParameterPage::edited);
    connect(passRepeat_, &QCheckBox::toggled, this, &ParameterPage::edited);
}

std::pair<QLineEdit*, QLineEdit*> BasePage::addCoordinateRow(QGridLayout& grid, int row,
                                                             const QString& axis, const char* name,
                                                             const char* varName,
                                                             const QString& hint) {
    QWidget* box = grid.parentWidget();
    auto* coordinate = makeLineEdit(name, hint, box);
    look::setTextLook(*coordinate, look::monoFont(), look::Maroon);
    coordinate->setFixedWidth(120);
    auto* variable = makeLineEdit(varName, tr(VariableHint), box);
    look::setTextLook(*variable, look::monoFont(), look::Blue);
    variable->setFixedWidth(180);
    auto* dollar = makeLabel(QStringLiteral("$"), box);
    look::setTextLook(*dollar, look::monoFont(true), look::Blue);

    grid.addWidget(makeLabel(axis, box), row, 0);
    grid.addWidget(coordinate, row, 1);
    grid.addItem(new QSpacerItem(12, 1), row, 2);
    grid.addWidget(makeLabel(QStringLiteral("var name"), box), row, 3);
    grid.addWidget(dollar, row, 4);
    grid.addWidget(variable, row, 5);
    return {coordinate, variable};
}

void BasePage::showParameters(const MissionParameters& p) {
    showText(*startX_, p.AStartX);
    showText(*startY_, p.AStartY);
    showText(*startZ_, p.AStartZ);
    showText(*startXvar_, p.AStartXvar);
    showText(*startYvar_, p.AStartYvar);
    showText(*startZvar_, p.AStartZvar);
    raceType_->setCurrentIndex(p.ARaceType);
    laps_->setValue(p.ALapsCount);
    showText(*missionName_, p.AMissionName);
    missionNumber_->setValue(p.AMissionNumber);
    showText(*missionPrefix_, p.AMissionPrefix);
    passRepeat_->setChecked(p.PassRepeat);
    // The laps are asked for only in a circuit race.
    const bool circuit = raceType_->currentIndex() == Circuit;
    lapsLabel_->setVisible(circuit);
    laps_->setVisible(circuit);
}

void BasePage::storeParameters(MissionParameters& p) const {
    p.AStartX = textOf(*startX_);
    p.AStartY = textOf(*startY_);
    p.AStartZ = textOf(*startZ_);
    p.AStartXvar = textOf(*startXvar_);
    p.AStartYvar = textOf(*startYvar_);
    p.AStartZvar = textOf(*startZvar_);
    p.ARaceType = raceType_->currentIndex();
    p.ALapsCount = laps_->value();
    p.AMissionName = textOf(*missionName_);
    p.AMissionNumber = missionNumber_->value();
    p.AMissionPrefix = textOf(*missionPrefix_);
    p.PassRepeat = passRepeat_->isChecked();
}

}  // namespace qv::ui
