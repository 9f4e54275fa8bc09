#include "ui/recorder/RecorderWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gamelink/RecordedRouteEdit.h"
#include "ui/common/Controls.h"
#include "ui/common/MissionTreeView.h"
#include "ui/common/ScreenFit.h"
#include "ui/editors/CheckpointDialog.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SharedShortcuts.h"
#include "ui/map/MapCanvas.h"
#include "ui/map/MapWindow.h"
#include "ui/recorder/RecorderTexts.h"

namespace qv::ui {
namespace {

constexpr int SamplesPerSecond = 20;
// Reads failing this long are worth a word in the status line.
constexpr double UnreadSeconds = 1;

QLabel* makeFigure(const char* objectName, QWidget* parent) {
    QLabel* label = makeLabel({}, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

WorldPoint worldPoint(const RoutePoint& point) {
    return {point.x, point.y};
}

}  // namespace

RecorderWindow::RecorderWindow(EditorApp& app) : QWidget(&app.mainWindow(), Qt::Window), app_(app) {
    setObjectName(QStringLiteral("RouteRecorder"));
    setWindowTitle(tr("Запись маршрута"));

    start_ = makeButton("RecordStartBtn", tr("Начать запись"),
                        tr("Начать запись маршрута из запущенной игры"), this);
    pause_ =
        makeButton("RecordPauseBtn", tr("Пауза"), tr("Приостановить запись и продолжить её"), this);
    pause_->setCheckable(true);
    stop_ = makeButton("RecordStopBtn", tr("Стоп"),
                       tr("Закончить запись и добавить записанное в миссию"), this);
    cancel_ = makeButton("RecordCancelBtn", tr("Отмена"),
                         tr("Закончить запись, ничего не добавляя"), this);

    mode_ = new QComboBox(this);
    nameControl(*mode_, "RecordMode", tr("Как ставятся чекпоинты"));
    mode_->addItems({tr("Чекпоинты по форме пути и по сигналу"), tr("Только по сигналу")});
    tolerance_ = makeSpinBox("RecordTolerance", 1, 100,
                             tr("Насколько далеко путь может отходить от прямой "
                                "между чекпоинтами"),
                             this);
    tolerance_->setValue(10);
    spacing_ = makeSpinBox("RecordSpacing", 20, 2000,
                           tr("Наибольшее расстояние по пути между чекпоинтами"), this);
    spacing_->setValue(200);

    time_ = makeFigure("RecordTime", this);
    distance_ = makeFigure("RecordDistance", this);
    speed_ = makeFigure("RecordSpeed", this);
    checkpoints_ = makeFigure("RecordCheckpoints", this);
    cars_ = makeFigure("RecordCars", this);
    status_ = makeFigure("RecordStatus", this);
    status_->setWordWrap(true);
    status_->setMinimumHeight(2 * status_->fontMetrics().lineSpacing());
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {start_, pause_, stop_, cancel_}) {
        buttons->addWidget(button);
    }
    auto* settings = new QGridLayout;
    settings->addWidget(makeLabel(tr("Режим"), this), 0, 0);
    settings->addWidget(mode_, 0, 1, 1, 3);
    settings->addWidget(makeLabel(tr("Точность, м"), this), 1, 0);
    settings->addWidget(tolerance_, 1, 1);
    settings->addWidget(makeLabel(tr("Наибольший шаг, м"), this), 1, 2);
    settings->addWidget(spacing_, 1, 3);
    auto* figures = new QGridLayout;
    figures->addWidget(time_, 0, 0);
    figures->addWidget(distance_, 0, 1);
    figures->addWidget(speed_, 0, 2);
    figures->addWidget(checkpoints_, 1, 0);
    figures->addWidget(cars_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(settings);
    layout->addSpacing(6);
    layout->addLayout(figures);
    layout->addWidget(status_);
    layout->addWidget(makeLabel(tr("Сигнал (гудок) — пульт: коротко — чекпоинт, "
                                   "секунду и дольше на месте — машина старта."),
                                this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    timer_.setInterval(1000 / SamplesPerSecond);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { app_.runCommand([this] { tick(); }, this); });
    app.connectCommand(start_, &QPushButton::clicked, this, [this] { start(); });
    app.connectCommand(pause_, &QPushButton::toggled, this, [this](bool on) { pause(on); });
    app.connectCommand(stop_, &QPushButton::clicked, this, [this] { stop(); });
    app.connectCommand(cancel_, &QPushButton::clicked, this, [this] { cancel(); });

    setPhase(Phase::Idle);
    showFigures(0);
    showStatus(
        tr("Сядьте в машину в игре, нажмите «Начать запись» и проедьте "
           "маршрут гонки."));
}

RecorderWindow::~RecorderWindow() = default;

void RecorderWindow::setPhase(Phase phase) {
    phase_ = phase;
    const bool idle = phase == Phase::Idle;
    start_->setEnabled(idle);
    pause_->setEnabled(phase == Phase::Recording || phase == Phase::Paused);
    stop_->setEnabled(!idle);
    cancel_->setEnabled(!idle);
    mode_->setEnabled(idle);
    tolerance_->setEnabled(idle);
    spacing_->setEnabled(idle);
    // Quitting would drop what is recorded: the exit question says so.
    app_.setQuitNote(EditorApp::QuitNote::Recording,
                     idle ? std::string()
                          : tr("Идёт запись маршрута: то, что записано, не попадёт в "
                               "миссию. Чтобы сохранить запись, нажмите «Стоп» в окне "
                               "«Запись маршрута».")
                                .toStdString());
    if (phase != Phase::Paused && pause_->isChecked()) {
        const QSignalBlocker quiet(pause_);
        pause_->setChecked(false);
    }
}

void RecorderWindow::start() {
    auto session = std::make_unique<GameSession>(app_.gameOpener());
    if (session->state() != GameSession::State::Open) {
        showStatus(
            tr("Игра не запущена: запустите GTA: San Andreas и нажмите "
               "«Начать запись»."));
        return;
    }
    const Mission& mission = app_.mission();
    RecorderSettings settings;
    settings.followShape = mode_->currentIndex() == 0;
    settings.tolerance = tolerance_->value();
    settings.spacing = spacing_->value();
    settings.checkpointRoom = std::max(0, Mission::MaxRows - mission.checkpointCount());
    settings.carRoom = std::max(0, Mission::MaxRows - mission.carCount());
    session_ = std::move(session);
    recorder_ = std::make_unique<RouteRecorder>(settings);
    secondsBeforePause_ = 0;
    lastRead_ = 0;
    running_.start();
    setPhase(Phase::Recording);
    showStatus(tr("Идёт запись."));
    MapWindow& map = routeMap(app_);
    map.beginRecording();
    map.show();
    timer_.start();
    tick();
}

double RecorderWindow::recordedSeconds() const {
    const double running = phase_ == Phase::Recording ? running_.nsecsElapsed() / 1e9 : 0;
    return secondsBeforePause_ + running;
}

void RecorderWindow::pause(bool paused) {
    if (paused && phase_ == Phase::Recording) {
        secondsBeforePause_ = recordedSeconds();
        timer_.stop();
        setPhase(Phase::Paused);
        showStatus(tr("Запись приостановлена."));
    } else if (!paused && phase_ == Phase::Paused) {
        running_.start();
        setPhase(Phase::Recording);
        showStatus(tr("Идёт запись."));
        timer_.start();
    }
}

void RecorderWindow::tick() {
    if (phase_ != Phase::Recording) {
        return;
    }
    const std::optional<GameSample> sample = session_->read(recordedSeconds());
    if (sample) {
        recorder_->add(*sample);
    }
    if (session_->state() != GameSession::State::Open) {
        // What was recorded stays: the user decides with "Стоп" or "Отмена".
        secondsBeforePause_ = recordedSeconds();
        timer_.stop();
        setPhase(Phase::GameGone);
        showStatus(
            tr("Игра закрыта: запись окончена. «Стоп» добавит записанное в "
               "миссию, «Отмена» отбросит его."));
    } else if (sample) {
        lastRead_ = recordedSeconds();
        const QString note = recorderNoteText(recorder_->note());
        showStatus(note.isEmpty() ? tr("Идёт запись.") : note);
    } else if (recordedSeconds() - lastRead_ > UnreadSeconds) {
        showStatus(
            tr("Игрок не читается из памяти игры (загрузка, другая версия "
               "игры или нет прав на чтение её памяти)."));
    }
    const std::vector<RoutePoint> laid = recorder_->checkpoints();
    showFigures(laid.size());
    showOnMap(sample, laid);
}

void RecorderWindow::showFigures(std::size_t laid) {
    const bool any = recorder_ != nullptr;
    time_->setText(recordedTimeText(any ? recordedSeconds() : 0));
    distance_->setText(recordedDistanceText(any ? recorder_->distance() : 0));
    speed_->setText(recordedSpeedText(any && phase_ == Phase::Recording ? recorder_->speed() : 0));
    checkpoints_->setText(tr("Чекпоинты: %1").arg(laid));
    cars_->setText(tr("Машины: %1").arg(any ? recorder_->cars().size() : 0));
}

void RecorderWindow::showOnMap(const std::optional<GameSample>& sample,
                               const std::vector<RoutePoint>& laid) {
    MapCanvas& canvas = routeMap(app_).canvas();
    GameOverlay& overlay = canvas.overlay();
    const std::vector<RoutePoint>& trail = recorder_->trail();
    if (overlay.trail.size() > trail.size()) {
        overlay.trail.clear();
    }
    for (std::size_t i = overlay.trail.size(); i < trail.size(); ++i) {
        overlay.trail.push_back(worldPoint(trail[i]));
    }
    overlay.laid.clear();
    for (const RoutePoint& point : laid) {
        overlay.laid.push_back(worldPoint(point));
    }
    // A failed read leaves the player where it was last seen.
    if (sample) {
        overlay.player = playerMark(*sample);
    }
    canvas.overlayChanged();
}

void RecorderWindow::stop() {
    if (phase_ == Phase::Idle) {
        return;
    }
    const RecordedRoute route = recorder_->finish();
    if (route.checkpoints.empty() && route.cars.empty()) {
        finishRecording();
        showStatus(tr("Ничего не записано: миссия не изменилась."));
        return;
    }
    Mission& mission = app_.mission();
    const int selected = app_.mainWindow().checkpointTree().selectedRow();
    const int firstRow = selected > 0 ? selected + 1 : mission.checkpointCount() + 1;
    // The speed and drive type the add dialog would give a new checkpoint.
    const auto& dialog = static_cast<const CheckpointDialog&>(app_.window(WindowId::AddCheckp));
    const std::string step =
        addRecordedRoute(mission, route, firstRow, dialog.entry(), dialog.driveTypeCaption());
    finishRecording();
    const QString added = QString::fromStdString(step);
    showStatus(route.checkpointLimitReached || route.carLimitReached
                   ? tr("Добавлено в миссию: %1. Не всё поместилось: в миссии не больше %2 строк "
                        "каждого вида.")
                         .arg(added)
                         .arg(Mission::MaxRows)
                   : tr("Добавлено в миссию: %1.").arg(added));
}

void RecorderWindow::cancel() {
    if (phase_ == Phase::Idle) {
        return;
    }
    finishRecording();
    showStatus(tr("Запись отменена: миссия не изменилась."));
}

void RecorderWindow::finishRecording() {
    timer_.stop();
    session_.reset();
    recorder_.reset();
    setPhase(Phase::Idle);
    showFigures(0);
    routeMap(app_).endRecording();
}

void RecorderWindow::showStatus(const QString& text) {
    status_->setText(text);
}

namespace {

// Puts `window` beside the map, to its right or else to its left, so that neither covers the
// other where the screen has room; otherwise over the top right corner of the drawn map, below
// the map's own controls.
void placeBeside(QWidget& window, const MapWindow& map) {
    const QScreen* screen = map.screen();
    if (screen == nullptr) {
        return;
    }
    const QSize size = window.frameGeometry().size();
    const QWidget& canvas = map.canvas();
    window.move(
        besideOf(map.frameGeometry(), size, screen->availableGeometry())
            .value_or(canvas.mapToGlobal(canvas.rect().topRight()) - QPoint(size.width(), 0)));
}

}  // namespace

void showRouteRecorder(EditorApp& app) {
    auto* window = app.mainWindow().findChild<RecorderWindow*>();
    const bool made = window == nullptr;
    if (made) {
        window = new RecorderWindow(app);
        shareMainShortcuts(app, *window);
    }
    showRouteMap(app);
    if (made) {
        window->adjustSize();
        placeBeside(*window, routeMap(app));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace qv::ui
