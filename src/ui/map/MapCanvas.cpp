#include "ui/map/MapCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/map/MapPainting.h"

namespace qv::ui {
namespace {

constexpr double FitMargin = 40;
constexpr double HitRadius = 12;
constexpr int DragThreshold = 4;
// Pixels a unit when the map begins to follow the player: a few hundred metres around the
// vehicle.
constexpr double FollowScale = 0.8;

ScreenPoint screenPoint(QPointF p) {
    return {p.x(), p.y()};
}

}  // namespace

MapCanvas::MapCanvas(MapBackground& background, QWidget* parent)
    : QWidget(parent), background_(background) {
    setObjectName(QStringLiteral("RouteMapCanvas"));
    setMouseTracking(true);
    setMinimumSize(200, 150);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapCanvas::setScene(RouteScene scene) {
    scene_ = std::move(scene);
    if (fitted_) {
        fitRace();
    }
    update();
}

void MapCanvas::setHighlight(std::optional<std::pair<MissionPart, int>> mark) {
    highlight_ = mark;
    update();
}

void MapCanvas::fitRace() {
    view_.resize(width(), height());
    const std::optional<WorldRect> bounds = raceBounds(scene_.marks);
    // Room for the marks' labels too, which stand to the right of the marks.
    view_.fit(bounds.value_or(WholeWorld), std::max(FitMargin, labelReach(fontMetrics()) + 4));
    fitted_ = true;
    update();
}

void MapCanvas::centreOnHighlight() {
    if (highlight_) {
        if (const RouteMark* mark = find(highlight_->first, highlight_->second)) {
            view_.centreOn(mark->at);
            fitted_ = false;
            update();
        }
    }
}

const RouteMark* MapCanvas::find(MissionPart part, int row) const {
    for (const RouteMark& mark : scene_.marks) {
        if (mark.part == part && mark.row == row) {
            return &mark;
        }
    }
    return nullptr;
}

void MapCanvas::overlayChanged() {
    if (followPlayer_ && overlay_.player) {
        view_.centreOn(overlay_.player->at);
        fitted_ = false;
    }
    update();
}

void MapCanvas::setFollowPlayer(bool follow) {
    followPlayer_ = follow;
    if (follow) {
        const ScreenPoint middle{view_.width() / 2, view_.height() / 2};
        view_.zoomAround(middle, FollowScale / view_.scale());
        fitted_ = false;
    }
    overlayChanged();
}

std::optional<QPointF> MapCanvas::playerPosition() const {
    if (!overlay_.player) {
        return std::nullopt;
    }
    const ScreenPoint p = view_.toScreen(overlay_.player->at);
    return QPointF(p.x, p.y);
}

std::optional<QPointF> MapCanvas::markPosition(MissionPart part, int row) const {
    if (const RouteMark* mark = find(part, row)) {
        const ScreenPoint p = view_.toScreen(mark->at);
        return QPointF(p.x, p.y);
    }
    return std::nullopt;
}

void MapCanvas::paintMap(QPainter& painter) {
    paintGround(painter, view_, background_);
    paintGrid(painter, view_);
    paintRoute(painter, view_, scene_, highlight_, numbers_);
    paintOverlay(painter, view_, overlay_);
    paintScaleBar(painter, view_);
}

void MapCanvas::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintMap(painter);
}

void MapCanvas::resizeEvent(QResizeEvent* /*event*/) {
    view_.resize(width(), height());
    // Until the user moves the map, it keeps showing the whole race at any size.
    if (fitted_) {
        fitRace();
    }
}

void MapCanvas::wheelEvent(QWheelEvent* event) {
    view_.zoomAround(screenPoint(event->position()), std::pow(1.0015, event->angleDelta().y()));
    fitted_ = false;
    update();
    event->accept();
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressedAt_ = event->position().toPoint();
        lastDrag_ = *pressedAt_;
        dragging_ = false;
    }
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (pressedAt_ && (event->buttons() & Qt::LeftButton)) {
        if (!dragging_ && (position - *pressedAt_).manhattanLength() >= DragThreshold) {
            dragging_ = true;
            setCursor(Qt::ClosedHandCursor);
        }
        if (dragging_) {
            const QPoint delta = position - lastDrag_;
            view_.panBy(delta.x(), delta.y());
            fitted_ = false;
            lastDrag_ = position;
            update();
        }
    }
    const WorldPoint world = view_.toWorld(screenPoint(event->position()));
    emit hovered(world.x, world.y,
                 markAt(scene_.marks, view_, screenPoint(event->position()), HitRadius));
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressedAt_) {
        return;
    }
    const bool click = !dragging_;
    pressedAt_.reset();
    dragging_ = false;
    unsetCursor();
    if (click) {
        if (const RouteMark* mark =
                markAt(scene_.marks, view_, screenPoint(event->position()), HitRadius)) {
            const MissionPart part = mark->part;
            const int row = mark->row;
            emit markClicked(part, row);
        }
    }
}

void MapCanvas::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit left();
}

}  // namespace qv::ui
