#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "gamedata/MapGeometry.h"
#include "gamedata/RouteMarks.h"
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
// marks and a scale bar, north up. The wheel zooms around the cursor, dragging pans, a click on
// a mark reports it; the mouse over the map reports where it is.
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

    // Draws the whole map; paintEvent does this.
    void paintMap(QPainter& painter);

  signals:
    void markClicked(qv::MissionPart part, int row);
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
    void leaveEvent(QEvent* event) override;

  private:
    const RouteMark* find(MissionPart part, int row) const;

    MapBackground& background_;
    MapView view_;
    RouteScene scene_;
    std::optional<std::pair<MissionPart, int>> highlight_;
    GameOverlay overlay_;
    bool followPlayer_ = false;
    bool fitted_ = true;  // showing the whole race, as "Показать всё" does
    std::optional<QPoint> pressedAt_;
    QPoint lastDrag_;
    bool dragging_ = false;
    NumberTexts numbers_;
};

}  // namespace qv::ui
