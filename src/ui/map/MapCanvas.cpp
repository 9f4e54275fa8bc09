#include "ui/map/MapCanvas.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/map/MapBackground.h"
#include "ui/map/MapPainting.h"
#include "ui/map/TurnHandle.h"

namespace qv::ui {
namespace {

constexpr double FitMargin = 40;
constexpr double HitRadius = 12;
constexpr int DragThreshold = 4;
// How far from the pointer a snap looks for a road node: pixels on the screen, but never less
// than the reach of a road's height.
constexpr double SnapPixels = 30;
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
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(200, 150);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapCanvas::setScene(RouteScene scene) {
    // The marks a gesture held are gone: it ends, changing nothing.
    if (gesture_) {
        gesture_.reset();
        if (press_ == Press::Gesture) {
            press_ = Press::Cancelled;
        }
        unsetCursor();
    }
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

void MapCanvas::setShowRoads(bool show) {
    showRoads_ = show;
    update();
}

const QPixmap& MapCanvas::base(qreal pixelRatio) {
    const BaseKey key{
        view_.centre().x, view_.centre().y, view_.scale(), view_.width(),
        view_.height(),   pixelRatio,       showRoads_,    background_.tilesVersion()};
    if (baseKey_ == key) {
        return base_;
    }
    const QSize size(static_cast<int>(std::ceil(view_.width() * pixelRatio)),
                     static_cast<int>(std::ceil(view_.height() * pixelRatio)));
    if (base_.size() != size) {
        base_ = QPixmap(size);
    }
    base_.setDevicePixelRatio(pixelRatio);
    QPainter painter(&base_);
    paintGround(painter, view_, background_);
    paintGrid(painter, view_);
    if (showRoads_) {
        paintRoads(painter, view_, background_.roads());
    }
    baseKey_ = key;
    return base_;
}

void MapCanvas::paintMap(QPainter& painter) {
    painter.drawPixmap(0, 0, base(painter.device()->devicePixelRatioF()));
    paintRoute(painter, view_, scene_, highlight_, numbers_);
    if (const std::optional<QPointF> handle = turnHandlePosition()) {
        paintTurnHandle(painter, markPosition(highlight_->first, highlight_->second).value(),
                        *handle);
    }
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

double MapCanvas::snapReach() const {
    return std::max(RoadHeightReach, SnapPixels / view_.scale());
}

std::optional<QPointF> MapCanvas::turnHandlePosition() const {
    const RouteMark* mark = highlight_ ? find(highlight_->first, highlight_->second) : nullptr;
    if (mark == nullptr ||
        (mark->part != MissionPart::Cars && mark->part != MissionPart::Objects)) {
        return std::nullopt;
    }
    return turnHandlePoint(*markPosition(mark->part, mark->row), mark->heading);
}

bool MapCanvas::onTurnHandle(QPointF position) const {
    const std::optional<QPointF> handle = turnHandlePosition();
    return handle && QLineF(*handle, position).length() <= HitRadius;
}

bool MapCanvas::begin(MissionPart part, int row, bool turning) {
    cancelDrag();
    const RouteMark* mark = find(part, row);
    if (mark == nullptr || (turning && part != MissionPart::Cars && part != MissionPart::Objects)) {
        return false;
    }
    gesture_ = MarkGesture{turning, std::size_t(mark - scene_.marks.data()), *mark, {}, false, {}};
    holdView();
    return true;
}

bool MapCanvas::beginMove(MissionPart part, int row) {
    return begin(part, row, false);
}

bool MapCanvas::beginTurn(MissionPart part, int row) {
    return begin(part, row, true);
}

void MapCanvas::dragTo(QPointF position, Qt::KeyboardModifiers modifiers) {
    if (!gesture_) {
        return;
    }
    MarkGesture& gesture = *gesture_;
    RouteMark& mark = scene_.marks[gesture.index];
    gesture.dragged = true;
    if (gesture.turning) {
        const WorldPoint towards = view_.toWorld(screenPoint(position));
        if (const std::optional<double> heading = headingTowards(
                gesture.original.at, towards, (modifiers & Qt::ShiftModifier) != 0)) {
            mark.heading = *heading;
        }
    } else {
        gesture.drop = {view_.toWorld(screenPoint(position - gesture.grab)),
                        snapToRoads_ || (modifiers & Qt::ControlModifier) != 0, snapReach()};
        mark.at = placeMark(background_.roads(), gesture.drop.wanted, gesture.drop.snap,
                            gesture.drop.snapReach, nullptr)
                      .at;
        emit markDragged(mark.part, mark.row, gesture.drop);
    }
    update();
}

void MapCanvas::finishDrag() {
    if (!gesture_) {
        return;
    }
    const MarkGesture gesture = *gesture_;
    const double heading = scene_.marks[gesture.index].heading;
    // Shown as it was until the mission, changed, shows it anew.
    cancelDrag();
    if (!gesture.dragged) {
        return;
    }
    if (gesture.turning) {
        emit markTurned(gesture.original.part, gesture.original.row, heading);
    } else {
        emit markMoved(gesture.original.part, gesture.original.row, gesture.drop);
    }
}

void MapCanvas::cancelDrag() {
    if (!gesture_) {
        return;
    }
    scene_.marks[gesture_->index] = gesture_->original;
    gesture_.reset();
    if (press_ == Press::Gesture) {
        press_ = Press::Cancelled;
    }
    unsetCursor();
    update();
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    pressedAt_ = event->position().toPoint();
    lastDrag_ = *pressedAt_;
    press_ = Press::Waiting;
    pressedMark_.reset();
    if (onTurnHandle(event->position()) && beginTurn(highlight_->first, highlight_->second)) {
        press_ = Press::Gesture;
        setCursor(Qt::CrossCursor);
    } else if (const RouteMark* mark =
                   markAt(scene_.marks, view_, screenPoint(event->position()), HitRadius)) {
        pressedMark_ = std::pair(mark->part, mark->row);
    }
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (pressedAt_ && (event->buttons() & Qt::LeftButton)) {
        if (press_ == Press::Waiting &&
            (position - *pressedAt_).manhattanLength() >= DragThreshold) {
            press_ = Press::Panning;
            if (pressedMark_ && beginMove(pressedMark_->first, pressedMark_->second)) {
                gesture_->grab =
                    QPointF(*pressedAt_) - *markPosition(pressedMark_->first, pressedMark_->second);
                press_ = Press::Gesture;
            }
            setCursor(Qt::ClosedHandCursor);
        }
        if (press_ == Press::Gesture) {
            dragTo(event->position(), event->modifiers());
        } else if (press_ == Press::Panning) {
            const QPoint delta = position - lastDrag_;
            view_.panBy(delta.x(), delta.y());
            fitted_ = false;
            lastDrag_ = position;
            update();
        }
    }
    const WorldPoint world = view_.toWorld(screenPoint(event->position()));
    const RouteMark* mark = markAt(scene_.marks, view_, screenPoint(event->position()), HitRadius);
    if (press_ == Press::None) {
        // What a press here would take hold of.
        if (onTurnHandle(event->position())) {
            setCursor(Qt::CrossCursor);
        } else if (mark != nullptr) {
            setCursor(Qt::OpenHandCursor);
        } else {
            unsetCursor();
        }
    }
    emit hovered(world.x, world.y, mark);
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressedAt_) {
        return;
    }
    const Press press = std::exchange(press_, Press::None);
    pressedAt_.reset();
    unsetCursor();
    if (press == Press::Gesture) {
        finishDrag();
    } else if (press == Press::Waiting) {
        if (const RouteMark* mark =
                markAt(scene_.marks, view_, screenPoint(event->position()), HitRadius)) {
            const MissionPart part = mark->part;
            const int row = mark->row;
            emit markClicked(part, row);
        }
    }
}

void MapCanvas::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && gesture_) {
        cancelDrag();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MapCanvas::contextMenuEvent(QContextMenuEvent* event) {
    if (gesture_) {
        return;
    }
    const WorldPoint world = view_.toWorld(screenPoint(event->pos()));
    emit menuRequested(world.x, world.y, event->globalPos());
}

void MapCanvas::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit left();
}

}  // namespace qv::ui
