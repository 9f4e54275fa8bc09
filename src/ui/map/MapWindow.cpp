#include "ui/map/MapWindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gamelink/Settings.h"
#include "model/Error.h"
#include "platform/Paths.h"
#include "ui/common/Controls.h"
#include "ui/common/MissionTreeView.h"
#include "ui/common/ScreenFit.h"
#include "ui/editors/TreeWindow.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"
#include "ui/main/RowReveal.h"
#include "ui/main/SharedShortcuts.h"
#include "ui/map/MapCanvas.h"
#include "ui/map/MapEditor.h"
#include "ui/map/PlayerWatch.h"
#include "ui/options/OptionsWindow.h"

namespace qv::ui {
namespace {

constexpr std::string_view PlacementSection = "RouteMap";
constexpr std::string_view RoadsKey = "Roads";
constexpr std::string_view SnapKey = "SnapToRoads";

QString markText(const RouteMark& mark) {
    switch (mark.part) {
        case MissionPart::Parameters:
            return QCoreApplication::translate("qv::ui::MapWindow", "Старт");
        case MissionPart::Checkpoints:
            return QCoreApplication::translate("qv::ui::MapWindow", "Чекпоинт %1").arg(mark.row);
        case MissionPart::Cars:
            return (mark.playerCar
                        ? QCoreApplication::translate("qv::ui::MapWindow", "Машина %1 (игрока): %2")
                        : QCoreApplication::translate("qv::ui::MapWindow", "Машина %1: %2"))
                .arg(mark.row)
                .arg(QString::fromStdString(mark.model));
        case MissionPart::Objects:
            return QCoreApplication::translate("qv::ui::MapWindow", "Объект %1: %2")
                .arg(mark.row)
                .arg(QString::fromStdString(mark.model));
        default:
            return {};
    }
}

OptionsWindow& optionsOf(EditorApp& app) {
    return static_cast<OptionsWindow&>(app.window(WindowId::Options));
}

}  // namespace

MapWindow::MapWindow(EditorApp& app) : QWidget(&app.mainWindow(), Qt::Window), app_(app) {
    setObjectName(QStringLiteral("RouteMap"));
    setWindowTitle(tr("Карта маршрута"));

    auto* fit = makeButton("FitRouteBtn", tr("Показать всё"), {}, this);
    followSelection_ = makeCheckBox("FollowSelection", tr("Следовать за выделением"), {}, this);
    showPlayer_ = makeCheckBox("ShowPlayer", tr("Показывать игрока"),
                               tr("Машина игрока на карте, пока игра запущена"), this);
    showRoads_ =
        makeCheckBox("ShowRoads", tr("Дороги"), tr("Дороги игры (пути машин) поверх карты"), this);
    playerState_ = makeLabel({}, this);
    playerState_->setObjectName(QStringLiteral("PlayerState"));
    watch_ = new PlayerWatch(
        app.gameOpener(),
        [this](const std::optional<GameSample>& sample, bool running) {
            showPlayer(sample, running);
        },
        this);
    canvas_ = new MapCanvas(background_, this);
    position_ = makeLabel({}, this);
    position_->setObjectName(QStringLiteral("MapPosition"));
    height_ = makeLabel({}, this);
    height_->setObjectName(QStringLiteral("MapHeight"));
    editor_ = new MapEditor(app, *canvas_, background_, *height_);
    auto* snap = new QToolButton(this);
    snap->setObjectName(QStringLiteral("SnapToRoads"));
    snap->setDefaultAction(&editor_->snapAction());
    note_ = makeLabel({}, this);
    note_->setObjectName(QStringLiteral("MapBackgroundNote"));
    note_->setStyleSheet(QStringLiteral("color: #a00000"));
    connect(&background_, &MapBackground::tilesArrived, this, [this] {
        canvas_->update();
        note_->setText(background_.note());
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(fit);
    bar->addSpacing(12);
    bar->addWidget(followSelection_);
    bar->addSpacing(12);
    bar->addWidget(showPlayer_);
    bar->addWidget(playerState_);
    bar->addSpacing(12);
    bar->addWidget(showRoads_);
    bar->addStretch(1);
    bar->addWidget(snap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(canvas_, 1);
    auto* lines = new QHBoxLayout;
    lines->addWidget(position_, 1);
    lines->addWidget(height_);
    layout->addLayout(lines);
    layout->addWidget(note_);

    connect(fit, &QPushButton::clicked, canvas_, &MapCanvas::fitRace);
    connect(followSelection_, &QCheckBox::toggled, canvas_, [this](bool on) {
        if (on) {
            canvas_->centreOnHighlight();
        }
    });
    connect(showPlayer_, &QCheckBox::toggled, this, &MapWindow::watchPlayer);
    connect(showRoads_, &QCheckBox::toggled, canvas_, &MapCanvas::setShowRoads);
    connect(canvas_, &MapCanvas::hovered, this, &MapWindow::showHover);
    connect(canvas_, &MapCanvas::left, position_, &QLabel::clear);
    app.connectCommand(canvas_, &MapCanvas::markClicked, this, [this](MissionPart part, int row) {
        canvas_->setHighlight(std::pair(part, row));
        revealRow(app_.mainWindow(), part, row);
        // The row is shown where it is edited, and the map, in use, stays in front of it.
        raise();
        activateWindow();
    });

    MainWindow& main = app.mainWindow();
    follow(main.carTree(), MissionPart::Cars);
    follow(main.checkpointTree(), MissionPart::Checkpoints);
    follow(static_cast<TreeWindow&>(app.window(WindowId::Objects)).tree(), MissionPart::Objects);
    connect(&main.tabs(), &QTabWidget::currentChanged, this, &MapWindow::highlightShownTab);
    // A game folder chosen anywhere shows at once.
    connect(&optionsOf(app), &OptionsWindow::gameFolderChanged, this, [this] {
        if (isVisible()) {
            app_.runCommand([this] { openBackground(); });
        }
    });

    app.mission().addObserver(this);
    showRace();
}

MapWindow::~MapWindow() {
    app_.mission().removeObserver(this);
    if (isVisible()) {
        try {
            savePlacement();
        } catch (const Error&) {
            // At exit there is nobody left to tell.
        }
    }
}

void MapWindow::follow(const MissionTreeView& tree, MissionPart part) {
    connect(&tree, &MissionTreeView::selectedNodeChanged, this,
            [this, &tree, part](const TreeNode* node) {
                const int row = Mission::rowForNode(tree.treeModel().tree(), node);
                if (row <= 0) {
                    return;
                }
                canvas_->setHighlight(std::pair(part, row));
                if (followSelection_->isChecked()) {
                    canvas_->centreOnHighlight();
                }
            });
}

void MapWindow::highlightShownTab() {
    MainWindow& main = app_.mainWindow();
    const QWidget* shown = main.tabs().currentWidget();
    const std::pair<MissionPart, const MissionTreeView*> trees[] = {
        {MissionPart::Cars, &main.carTree()}, {MissionPart::Checkpoints, &main.checkpointTree()}};
    for (const auto& [part, tree] : trees) {
        if (shown != nullptr && shown->isAncestorOf(tree)) {
            const int row = tree->selectedRow();
            canvas_->setHighlight(row > 0 ? std::optional(std::pair(part, row)) : std::nullopt);
            if (row > 0 && followSelection_->isChecked()) {
                canvas_->centreOnHighlight();
            }
        }
    }
}

void MapWindow::missionChanged(MissionPart part) {
    showRace();
    if (part == MissionPart::Everything) {
        canvas_->setHighlight(std::nullopt);
        canvas_->fitRace();
    }
}

void MapWindow::showRace() {
    const Mission& mission = app_.mission();
    canvas_->setScene({routeMarks(mission), mission.parameters().ARaceType == Circuit,
                       mission.parameters().ALapsCount});
}

void MapWindow::openBackground() {
    OptionsWindow& options = optionsOf(app_);
    std::optional<Error> refusal;
    if (options.gameFolder().empty() && !askedForFolder_) {
        askedForFolder_ = true;
        // Checked as the options window checks it; a refusal leaves the map without its ground.
        try {
            options.chooseGameFolder(this, true);
        } catch (const Error& error) {
            refusal = error;
        }
        if (!options.gameFolder().empty()) {
            const std::string path = settingsPath(app_.workingFolder());
            Settings settings = readSettings(app_.files(), path);
            settings.gameFolder = options.gameFolder();
            writeSettings(app_.files(), path, settings);
        }
    }
    if (!opened_ || options.gameFolder() != openedFolder_) {
        opened_ = true;
        openedFolder_ = options.gameFolder();
        background_.open(app_.files(), openedFolder_);
        canvas_->update();
    }
    note_->setText(background_.note());
    if (refusal) {
        throw *refusal;
    }
}

void MapWindow::showHover(double x, double y, const RouteMark* mark) {
    QStringList parts{QStringLiteral("X: %1  Y: %2").arg(x, 0, 'f', 1).arg(y, 0, 'f', 1)};
    if (const QString zone = background_.zoneAt({x, y}); !zone.isEmpty()) {
        parts << zone;
    }
    if (mark != nullptr) {
        parts << markText(*mark);
    }
    position_->setText(parts.join(QStringLiteral("  —  ")));
    // A tile that failed while drawing shows in the note.
    note_->setText(background_.note());
}

void MapWindow::watchPlayer() {
    const bool on = showPlayer_->isChecked() && isVisible() && !recording_;
    watch_->setActive(on);
    if (!on && !recording_) {
        canvas_->overlay().player.reset();
        canvas_->overlayChanged();
        playerState_->clear();
    }
}

void MapWindow::showPlayer(const std::optional<GameSample>& sample, bool gameRunning) {
    std::optional<PlayerMark>& player = canvas_->overlay().player;
    player.reset();
    if (sample) {
        player = playerMark(*sample);
        playerState_->clear();
    } else {
        playerState_->setText(gameRunning ? tr("(игрок не найден в памяти игры)")
                                          : tr("(игра не запущена)"));
    }
    canvas_->overlayChanged();
}

void MapWindow::beginRecording() {
    recording_ = true;
    watchPlayer();
    showPlayer_->setEnabled(false);
    playerState_->clear();
    canvas_->overlay() = {};
    canvas_->setFollowPlayer(true);
}

void MapWindow::endRecording() {
    recording_ = false;
    canvas_->overlay() = {};
    canvas_->setFollowPlayer(false);
    showPlayer_->setEnabled(true);
    watchPlayer();
}

void MapWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_) {
        placed_ = true;
        restorePlacement();
    }
    app_.runCommand([this] { openBackground(); });
    highlightShownTab();
    watchPlayer();
}

void MapWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    watchPlayer();
    app_.runCommand([this] { savePlacement(); });
}

void MapWindow::restorePlacement() {
    const std::string path = settingsPath(app_.workingFolder());
    const IniDocument settings = readSettingsFile(app_.files(), path);
    showRoads_->setChecked(settings.readInteger(PlacementSection, RoadsKey, 0) != 0);
    editor_->snapAction().setChecked(settings.readInteger(PlacementSection, SnapKey, 0) != 0);
    const std::optional<WindowPlacement> placement =
        readWindowPlacement(app_.files(), path, PlacementSection);
    const QRect kept =
        placement ? QRect(placement->left, placement->top, placement->width, placement->height)
                  : QRect();
    if (placement) {
        // On a screen there is now, whole.
        setGeometry(fittedToScreens(kept));
        return;
    }
    // First shown beside the main window, so that neither covers the other, where the screen
    // has room for a map at least MinWidth wide; otherwise in the middle of the screen.
    constexpr int Width = 820;
    constexpr int MinWidth = 560;
    constexpr int Height = 640;
    resize(Width, Height);
    const QWidget& main = app_.mainWindow();
    const QScreen* shown = main.screen() != nullptr ? main.screen() : screen();
    if (shown == nullptr) {
        return;
    }
    const QRect available = shown->availableGeometry();
    const QRect mainFrame = main.frameGeometry();
    // The window system's frame of this window is not known yet: the main window's is alike.
    const QMargins frame(
        main.geometry().left() - mainFrame.left(), main.geometry().top() - mainFrame.top(),
        mainFrame.right() - main.geometry().right(), mainFrame.bottom() - main.geometry().bottom());
    const int room =
        std::max(available.right() - mainFrame.right(), mainFrame.left() - available.left()) -
        frame.left() - frame.right();
    const QSize inside(std::clamp(room, MinWidth, Width),
                       std::min(Height, available.height() - frame.top() - frame.bottom()));
    const QSize outside = inside.grownBy(frame);
    if (const std::optional<QPoint> at = besideOf(mainFrame, outside, available)) {
        setGeometry(QRect(*at + QPoint(frame.left(), frame.top()), inside));
        return;
    }
    move(available.center() - rect().center());
}

void MapWindow::savePlacement() {
    const QRect box = geometry();
    const std::string path = settingsPath(app_.workingFolder());
    writeWindowPlacement(app_.files(), path, PlacementSection,
                         {box.x(), box.y(), box.width(), box.height()});
    updateSettingsFile(app_.files(), path, [this](IniDocument& ini) {
        ini.writeInteger(PlacementSection, RoadsKey, showRoads_->isChecked() ? 1 : 0);
        ini.writeInteger(PlacementSection, SnapKey, editor_->snapAction().isChecked() ? 1 : 0);
    });
}

PlayerMark playerMark(const GameSample& sample) {
    return {{sample.x, sample.y}, sample.heading, sample.inVehicle};
}

MapWindow& routeMap(EditorApp& app) {
    auto* window = app.mainWindow().findChild<MapWindow*>();
    if (window == nullptr) {
        window = new MapWindow(app);
        shareMainShortcuts(app, *window);
    }
    return *window;
}

void showRouteMap(EditorApp& app) {
    MapWindow& window = routeMap(app);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace qv::ui
