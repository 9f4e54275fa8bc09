#pragma once

#include <QWidget>
#include <string>

#include "gamedata/RouteMarks.h"
#include "gamelink/GameSample.h"
#include "model/Mission.h"
#include "ui/map/MapBackground.h"
#include "ui/map/MapCanvas.h"

class QCheckBox;
class QLabel;

namespace qv::ui {

class EditorApp;
class MapCanvas;
class MapEditor;
class MissionTreeView;
class PlayerWatch;

// "Карта маршрута": the race drawn on the game's radar map, one more view of the mission. It
// follows every change of the mission and the selection of the trees, and a click on a mark
// selects that row where it is edited; its gestures change the mission through MapEditor. Modeless
// and resizable; its place and size, and whether it draws the game's roads ("Дороги"), are kept
// in settings.ini, section "RouteMap". Outside a recording it can show the player's vehicle live
// while the game runs ("Показывать игрока"); during one, the recorder draws the vehicle, the path
// driven and the checkpoints laid, and the map follows the vehicle.
class MapWindow final : public QWidget, private MissionObserver {
    Q_OBJECT

  public:
    explicit MapWindow(EditorApp& app);
    ~MapWindow() override;

    MapCanvas& canvas() const { return *canvas_; }
    MapBackground& background() { return background_; }
    MapEditor& editor() const { return *editor_; }

    // A recording begins: the live player gives way to the recorder, which draws into the
    // canvas's overlay, and the map follows the vehicle.
    void beginRecording();
    // The recording is over: its drawing goes, and the live player is back if it was on.
    void endRecording();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void missionChanged(MissionPart part) override;
    void showRace();
    // Reads the background of the game folder in effect, asking for it once when none is set.
    void openBackground();
    void follow(const MissionTreeView& tree, MissionPart part);
    // Highlights the row selected in the tab brought to the front, when that tab has a tree.
    void highlightShownTab();
    void showHover(double x, double y, const RouteMark* mark);
    void watchPlayer();
    void showPlayer(const std::optional<GameSample>& sample, bool gameRunning);
    void restorePlacement();
    void savePlacement();

    EditorApp& app_;
    MapBackground background_;
    MapCanvas* canvas_;
    QCheckBox* followSelection_;
    QCheckBox* showPlayer_;
    QCheckBox* showRoads_;
    QLabel* playerState_;
    PlayerWatch* watch_;
    bool recording_ = false;
    QLabel* position_;
    QLabel* height_;
    MapEditor* editor_;
    QLabel* note_;
    std::string openedFolder_;
    bool opened_ = false;
    bool askedForFolder_ = false;
    bool placed_ = false;
};

// How the map draws the player of `sample`.
PlayerMark playerMark(const GameSample& sample);

// The route map, made hidden the first time it is asked for.
MapWindow& routeMap(EditorApp& app);
// Shows the route map, making it the first time.
void showRouteMap(EditorApp& app);

}  // namespace qv::ui
