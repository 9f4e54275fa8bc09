#include "gamedata/MapGeometry.h"

#include <algorithm>

namespace qv {

void MapView::resize(double width, double height) {
    width_ = std::max(width, 1.0);
    height_ = std::max(height, 1.0);
    setScale(scale_);
}

ScreenPoint MapView::toScreen(WorldPoint p) const {
    return {width_ / 2 + (p.x - centre_.x) * scale_, height_ / 2 - (p.y - centre_.y) * scale_};
}

WorldPoint MapView::toWorld(ScreenPoint p) const {
    return {centre_.x + (p.x - width_ / 2) / scale_, centre_.y - (p.y - height_ / 2) / scale_};
}

void MapView::zoomAround(ScreenPoint anchor, double factor) {
    const WorldPoint held = toWorld(anchor);
    setScale(scale_ * factor);
    // Move the centre so that `held` is under `anchor` again.
    const WorldPoint now = toWorld(anchor);
    centre_.x += held.x - now.x;
    centre_.y += held.y - now.y;
}

void MapView::panBy(double dx, double dy) {
    centre_.x -= dx / scale_;
    centre_.y += dy / scale_;
}

void MapView::fit(const WorldRect& rect, double margin) {
    centre_ = {(rect.west + rect.east) / 2, (rect.south + rect.north) / 2};
    const double spanX = std::max(rect.east - rect.west, 1.0);
    const double spanY = std::max(rect.north - rect.south, 1.0);
    const double usableX = std::max(width_ - 2 * margin, 1.0);
    const double usableY = std::max(height_ - 2 * margin, 1.0);
    setScale(std::min(usableX / spanX, usableY / spanY));
}

double MapView::minScale() const {
    return std::min(width_, height_) / (2 * WorldExtent) / 10;
}

void MapView::setScale(double scale) {
    scale_ = std::clamp(scale, minScale(), MaxScale);
}

}  // namespace qv
