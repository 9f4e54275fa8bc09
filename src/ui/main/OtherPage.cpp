#include "ui/main/OtherPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "ui/common/Controls.h"
#include "ui/main/EditorApp.h"

namespace qv::ui {

namespace {
constexpr int PrizeStep = 10;
constexpr int TimeFieldWidth = 48;
}  // namespace

OtherPage::OtherPage(EditorApp& app, QWidget* parent) : ParameterPage(parent) {
    setObjectName(QStringLiteral("OtherParameters"));

    weather_ = new QComboBox(this);
    nameControl(*weather_, "AWeather",
                tr("Если ничего не выбрано, то погода во время старта гонки не изменяется"));
    for (const char* entry : weatherEntries()) {
        weather_->addItem(QCoreApplication::translate("MissionParameters", entry));
    }
    weather_->setMaxVisibleItems(static_cast<int>(weatherEntries().size()));
    weather_->setMinimumWidth(260);

    auto* trafficBox = new QGroupBox(tr("Транспортное движение"), this);
    trafficOn_ = new QRadioButton(tr("Есть"), trafficBox);
    trafficOn_->setObjectName(QStringLiteral("TrafficOn"));
    trafficOff_ = new QRadioButton(tr("Пусто"), trafficBox);
    trafficOff_->setObjectName(QStringLiteral("TrafficOff"));
    traffic_ = new QButtonGroup(this);
    traffic_->addButton(trafficOn_);
    traffic_->addButton(trafficOff_);
    auto* trafficLayout = new QHBoxLayout(trafficBox);
    trafficLayout->addWidget(trafficOn_);
    trafficLayout->addWidget(trafficOff_);
    trafficLayout->addStretch(1);

    prize_ =
        makeSpinBox("AMoneyPrize", std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                    tr("Сумма денег, которая будет вручена победителю гонки"), this);
    prize_->setSingleStep(PrizeStep);
    prize_->setFixedWidth(110);

    time_ = makeCheckBox("ATime", tr("Время проведения"),
                         tr("Если не выбрано, время начала гонки не изменяется"), this);
    hour_ = makeSpinBox("AHour", 0, 23, tr("Врема проведения гонки (часы)"), this);
    minutes_ = makeSpinBox("AMinutes", 0, 59, tr("Врема проведения гонки (минуты)"), this);
    timeColon_ = makeLabel(QStringLiteral(":"), this);
    timeColon_->setObjectName(QStringLiteral("TimeColon"));
    for (QSpinBox* field : {hour_, minutes_}) {
        field->setFixedWidth(TimeFieldWidth);
    }

    auto* flagsBox = new QGroupBox(tr("Флажки"), this);
    flags_ = new QListWidget(flagsBox);
    nameControl(*flags_, "Flags", tr("Различные настройки"));
    for (const char* text : flagTexts()) {
        auto* item =
            new QListWidgetItem(QCoreApplication::translate("MissionParameters", text), flags_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    auto* flagsLayout = new QVBoxLayout(flagsBox);
    flagsLayout->addWidget(flags_);

    auto* objects = makeButton("ObjectsBtn", tr("Объекты..."),
                               tr("Добавление/удаление/изменение объектов"), this);
    auto* events = makeButton("EventsBtn", tr("События (beta)..."),
                              tr("Добавление/удаление/изменение событий"), this);

    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(time_);
    timeRow->addWidget(hour_);
    timeRow->addWidget(timeColon_);
    timeRow->addWidget(minutes_);
    timeRow->addStretch(1);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->addWidget(makeLabel(tr("Погодные условия"), this), 0, 0);
    grid->addWidget(weather_, 0, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel(tr("Денежный приз"), this), 1, 0);
    grid->addWidget(prize_, 1, 1, Qt::AlignLeft);
    grid->addLayout(timeRow, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(grid, 1);
    top->addWidget(trafficBox, 0, Qt::AlignTop);
    auto* windows = new QHBoxLayout;
    windows->addStretch(1);
    windows->addWidget(objects);
    windows->addWidget(events);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(flagsBox, 1);
    page->addLayout(windows);

    app.connectCommand(objects, &QPushButton::clicked, this,
                       [&app] { app.showWindow(WindowId::Objects); });
    app.connectCommand(events, &QPushButton::clicked, this,
                       [&app] { app.showWindow(WindowId::Events); });

    connect(weather_, &QComboBox::currentIndexChanged, this, &ParameterPage::edited);
    connect(trafficOn_, &QRadioButton::toggled, this, &ParameterPage::edited);
    connect(trafficOff_, &QRadioButton::toggled, this, &ParameterPage::edited);
    connect(prize_, &QSpinBox::valueChanged, this, &ParameterPage::edited);
    connect(time_, &QCheckBox::toggled, this, &ParameterPage::edited);
    connect(hour_, &QSpinBox::valueChanged, this, &ParameterPage::edited);
    connect(minutes_, &QSpinBox::valueChanged, this, &ParameterPage::edited);
    connect(flags_, &QListWidget::itemChanged, this, &ParameterPage::edited);
}

void OtherPage::showTraffic(bool on, bool off) {
    // A loaded project may have neither button on, which an exclusive group cannot show.
    traffic_->setExclusive(false);
    trafficOn_->setChecked(on);
    trafficOff_->setChecked(off && !on);
    traffic_->setExclusive(true);
}

void OtherPage::showParameters(const MissionParameters& p) {
    weather_->setCurrentIndex(p.AWeather);
    showTraffic(p.TrafficOn, p.TrafficOff);
    prize_->setValue(p.AMoneyPrize);
    time_->setChecked(p.ATime);
    hour_->setValue(p.AHour);
    minutes_->setValue(p.AMinutes);
    for (int i = 0; i < flags_->count(); ++i) {
        const auto state = p.Flags[static_cast<size_t>(i)] ? Qt::Checked : Qt::Unchecked;
        if (flags_->item(i)->checkState() != state) {
            flags_->item(i)->setCheckState(state);
        }
    }
    // The time of day is asked for only while it is to be set; the values stay.
    for (QWidget* part : {static_cast<QWidget*>(hour_), static_cast<QWidget*>(timeColon_),
                          static_cast<QWidget*>(minutes_)}) {
        part->setEnabled(time_->isChecked());
    }
}

void OtherPage::storeParameters(MissionParameters& p) const {
    p.AWeather = weather_->currentIndex();
    p.TrafficOn = trafficOn_->isChecked();
    p.TrafficOff = trafficOff_->isChecked();
    p.AMoneyPrize = prize_->value();
    p.ATime = time_->isChecked();
    p.AHour = hour_->value();
    p.AMinutes = minutes_->value();
    for (int i = 0; i < flags_->count(); ++i) {
        p.Flags[static_cast<size_t>(i)] = flags_->item(i)->checkState() == Qt::Checked;
    }
}

}  // namespace qv::ui
