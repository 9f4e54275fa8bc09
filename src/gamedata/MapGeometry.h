#pragma once

namespace qv {

// San Andreas from above: x grows eastwards, y northwards, in the game's units.
struct WorldPoint {
    double x = 0;
    double y = 0;
};

// A point of the drawn map in pixels: x to the right, y downwards.
struct ScreenPoint {
    double x = 0;
    double y = 0;
};

struct WorldRect {
    double west = 0;
    double south = 0;
    double east = 0;
    double north = 0;

    bool contains(WorldPoint p) const {
        return p.x >= west && p.x <= east && p.y >= south && p.y <= north;
    }
};

// The whole state: x and y from -3000 to 3000.
inline constexpr double WorldExtent = 3000;
inline constexpr WorldRect WholeWorld{-WorldExtent, -WorldExtent, WorldExtent, WorldExtent};

// Which part of the world a map of a given size in pixels shows, north up: the world point at
// its centre and the scale in pixels per unit. Zooming keeps the point under the cursor in
// place; the scale stays between the whole world shown at a tenth of the view and 20 pixels a
// unit.
class MapView {
  public:
    static constexpr double MaxScale = 20;

    void resize(double width, double height);
    double width() const { return width_; }
    double height() const { return height_; }
    double scale() const { return scale_; }
    WorldPoint centre() const { return centre_; }

    ScreenPoint toScreen(WorldPoint p) const;
    WorldPoint toWorld(ScreenPoint p) const;

    void centreOn(WorldPoint p) { centre_ = p; }
    // Multiplies the scale by `factor` around `anchor`, which keeps showing the same world point.
    void zoomAround(ScreenPoint anchor, double factor);
    // Moves the map by `dx`, `dy` pixels, as a drag does.
    void panBy(double dx, double dy);
    // Shows all of `rect` with `margin` pixels around it, as large as the view allows.
    void fit(const WorldRect& rect, double margin);

  private:
    double minScale() const;
    void setScale(double scale);

    double width_ = 1;
    double height_ = 1;
    double scale_ = 0.1;
    WorldPoint centre_;
};

}  // namespace qv
