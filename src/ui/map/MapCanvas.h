#pragma once

#include <QPixmap>
#include <QWidget>
#include <optional>
#include <vector>

#include "gamedata/MapGeometry.h"
#include "gamedata/RouteMarks.h"
#include "gamelink/MapEdits.h"
#include "ui/map/NumberTexts.h"

class QPainter;

namespace qv::ui {

class MapBackground;

// The race as the map draws it.
struct RouteScene {
    std::vector<RouteMark> marks;
    bool circuit = false;
    int laps = 1;
};

// The player as the running game shows it: where the vehicle (or the player on foot) stands and
// its heading in degrees (0 = north, growing anticlockwise).
struct PlayerMark {
    WorldPoint at;
    double heading = 0;
    bool inVehicle = true;
};

// What the map draws over the race from the running game: the path driven and the checkpoints
// laid so far by a recording, and the player's vehicle.
struct GameOverlay {
    std::vector<WorldPoint> trail;
    std::vector<WorldPoint> laid;
    std::optional<PlayerMark> player;
};

// The drawn map: the radar tiles (or a plain ground), a grid every 500 units, the route, the
// marks and a scale bar, north up. The wheel zooms around the cursor, dragging the ground pans,
// a click on a mark reports it; the mouse over the map reports where it is.
//
// Dragging a mark moves it and dragging the handle of the selected car's or object's heading
// turns it: the mark follows the pointer, and when it is let go the change is reported, never
// made here; Esc during the drag puts it back. A move snaps to the nearest road node with
// snapping on or Ctrl held; a turn goes in steps of 15° with Shift held.
class MapCanvas final : public QWidget {
    Q_OBJECT

  public:
    MapCanvas(MapBackground& background, QWidget* parent);

    const MapView& view() const { return view_; }
    void setScene(RouteScene scene);
    const RouteScene& scene() const { return scene_; }
    // The mark drawn as selected; nullopt: none.
    void setHighlight(std::optional<std::pair<MissionPart, int>> mark);
    std::optional<std::pair<MissionPart, int>> highlight() const { return highlight_; }
    // Shows the whole race (the whole state when the race has no marks), and goes on showing
    // it whole, whatever the race or the size of the map, until the user zooms or pans.
    void fitRace();
    // Stops showing the race whole: the map stays where it is while the race changes under it,
    // as it does for an edit made on the map.
    void holdView() { fitted_ = false; }
    // Centres the map on the highlighted mark, when there is one.
    void centreOnHighlight();
    // The overlay from the game; after changing it, overlayChanged() shows the change.
    GameOverlay& overlay() { return overlay_; }
    const GameOverlay& overlay() const { return overlay_; }
    // Redraws the overlay and, while following the player, centres the map on the vehicle.
    void overlayChanged();
    // Keeps the player's vehicle in the middle of the map; it begins at a scale where a street
    // shows, which the wheel still changes.
    void setFollowPlayer(bool follow);
    // Where the player's vehicle is drawn; nullopt when it is not shown.
    std::optional<QPointF> playerPosition() const;
    // Where mark (`part`, `row`) is drawn; nullopt when it has no mark.
    std::optional<QPointF> markPosition(MissionPart part, int row) const;

    // Draws the game's roads over the tiles.
    void setShowRoads(bool show);
    bool showRoads() const { return showRoads_; }

    // Draws the whole map; paintEvent does this. What lies under the race (the ground, the
    // tiles, the grid and the roads) is drawn once for each view and kept; every redraw copies
    // it and draws the race and the game's overlay over it.
    void paintMap(QPainter& painter);

    // Moves snap to the roads without Ctrl held.
    void setSnapToRoads(bool snap) { snapToRoads_ = snap; }
    // How far from the pointer, in world units, a snap looks for a road node at this scale.
    double snapReach() const;
    // Where the turn handle is drawn: on the heading of the selected car or object; nullopt
    // when no such mark is selected.
    std::optional<QPointF> turnHandlePosition() const;

    // The gestures as the mouse makes them: the mark (`part`, `row`) is picked up to be moved
    // or turned (false: it has no mark, or nothing to turn), follows the pointer at `position`,
    // and is let go (reported by markMoved or markTurned when it was dragged) or put back.
    bool beginMove(MissionPart part, int row);
    bool beginTurn(MissionPart part, int row);
    void dragTo(QPointF position, Qt::KeyboardModifiers modifiers);
    void finishDrag();
    void cancelDrag();
    bool draggingMark() const { return gesture_.has_value(); }

  signals:
    void markClicked(qv::MissionPart part, int row);
    // A mark was dragged and let go, or while it is dragged, would go, as `drop` says.
    void markMoved(qv::MissionPart part, int row, const qv::MarkDrop& drop);
    void markDragged(qv::MissionPart part, int row, const qv::MarkDrop& drop);
    // The heading of a car or object was dragged round to `heading` degrees.
    void markTurned(qv::MissionPart part, int row, double heading);
    // The context menu is asked for at world point (x, y).
    void menuRequested(double x, double y, QPoint globalPosition);
    // The mouse is over world point (x, y), and over `mark` unless it is nullptr.
    void hovered(double x, double y, const qv::RouteMark* mark);
    // The mouse has left the map.
    void left();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // A mark being moved or turned: where it is in the scene, and how it was.
    struct MarkGesture {
        bool turning = false;
        std::size_t index = 0;
        RouteMark original;
        QPointF grab;  // where the pointer holds the mark, from its centre
        bool dragged = false;
        MarkDrop drop;
    };
    // What the left button does while it is down.
    enum class Press { None, Waiting, Panning, Gesture, Cancelled };

    const RouteMark* find(MissionPart part, int row) const;
    bool begin(MissionPart part, int row, bool turning);
    bool onTurnHandle(QPointF position) const;
    // The drawing under the race for the view in effect, drawn again when it is out of date.
    const QPixmap& base(qreal pixelRatio);

    // What the kept drawing under the race was drawn for.
    struct BaseKey {
        double centreX = 0;
        double centreY = 0;
        double scale = 0;
        double width = 0;
        double height = 0;
        qreal pixelRatio = 1;
        bool roads = false;
        unsigned tiles = 0;

        bool operator==(const BaseKey&) const = default;
    };

    MapBackground& background_;
    MapView view_;
    RouteScene scene_;
    std::optional<std::pair<MissionPart, int>> highlight_;
    GameOverlay overlay_;
    bool followPlayer_ = false;
    bool fitted_ = true;  // showing the whole race, as "Показать всё" does
    std::optional<QPoint> pressedAt_;
    QPoint lastDrag_;
    Press press_ = Press::None;
    std::optional<std::pair<MissionPart, int>> pressedMark_;
    std::optional<MarkGesture> gesture_;
    bool snapToRoads_ = false;
    NumberTexts numbers_;
    bool showRoads_ = false;
    QPixmap base_;
    std::optional<BaseKey> baseKey_;
};

}  // namespace qv::ui
