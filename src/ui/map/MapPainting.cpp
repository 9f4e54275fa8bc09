#include "ui/map/MapPainting.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "gamedata/RadarTiles.h"
#include "ui/map/MapBackground.h"

namespace qv::ui {
namespace {

constexpr double GridStep = 500;
constexpr double CheckpointRadius = 9;
constexpr double CarRadius = 6;
constexpr double StartRadius = 8;
constexpr double StartLabelGap = 3;
constexpr double ArrowLength = 17;

const QColor OutsideColour(43, 58, 74);
const QColor PlainGroundColour(222, 226, 214);
const QColor RouteColour(230, 120, 20);
const QColor CheckpointColour(255, 200, 40);
const QColor CarColour(40, 110, 220);
const QColor PlayerCarColour(220, 30, 60);
const QColor ObjectColour(90, 90, 90);
const QColor StartColour(30, 160, 60);
const QColor HighlightColour(0, 220, 255);
const QColor TrailColour(200, 20, 160);
const QColor LaidColour(255, 255, 255);
const QColor PlayerColour(200, 20, 160);
const QColor RoadColour(60, 50, 170, 190);
// Two samples farther apart than this are a jump (a teleport, a respawn): no line joins them.
constexpr double TrailJump = 100;

QPointF at(const MapView& view, WorldPoint p) {
    const ScreenPoint s = view.toScreen(p);
    return {s.x, s.y};
}

QRectF screenRect(const MapView& view, const WorldRect& rect) {
    return QRectF(at(view, {rect.west, rect.north}), at(view, {rect.east, rect.south}));
}

// A filled arrowhead at `tip` pointing along `direction` (a unit vector on the screen).
void arrowHead(QPainter& painter, QPointF tip, QPointF direction, double size) {
    const QPointF side(-direction.y(), direction.x());
    const QPointF base = tip - direction * size;
    painter.drawPolygon(QPolygonF({tip, base + side * size * 0.5, base - side * size * 0.5}));
}

QPointF unit(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(0, 0);
}

// A checkpoint's number centred on `centre`.
void numberCentred(QPainter& painter, QPointF centre, int number, NumberTexts& numbers) {
    const QStaticText& text = numbers.text(number, painter.font());
    const QSizeF size = text.size();
    painter.drawStaticText(centre - QPointF(size.width() / 2, size.height() / 2), text);
}

void paintLegs(QPainter& painter, const MapView& view, const RouteScene& scene) {
    std::vector<QPointF> points;
    for (const RouteMark& mark : scene.marks) {
        if (mark.part == MissionPart::Checkpoints) {
            points.push_back(at(view, mark.at));
        }
    }
    if (points.size() < 2) {
        return;
    }
    if (scene.circuit) {
        points.push_back(points.front());
    }
    painter.setPen(QPen(RouteColour, 2.5));
    painter.setBrush(RouteColour);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPointF from = points[i - 1];
        const QPointF to = points[i];
        painter.drawLine(from, to);
        const QPointF direction = unit(to - from);
        if (std::hypot(to.x() - from.x(), to.y() - from.y()) > 4 * CheckpointRadius) {
            arrowHead(painter, (from + to) / 2 + direction * 6, direction, 11);
        }
    }
    if (scene.circuit) {
        painter.save();
        painter.setPen(Qt::black);
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(points.front() + QPointF(CheckpointRadius + 4, -CheckpointRadius),
                         QCoreApplication::translate("MapPainting", "Кругов: %1").arg(scene.laps));
        painter.restore();
    }
}

void paintMark(QPainter& painter, const MapView& view, const RouteMark& mark,
               NumberTexts& numbers) {
    const QPointF centre = at(view, mark.at);
    switch (mark.part) {
        case MissionPart::Parameters: {
            painter.setPen(QPen(Qt::white, 1.5));
            painter.setBrush(StartColour);
            const double r = StartRadius;
            painter.drawPolygon(QPolygonF({centre + QPointF(0, -r), centre + QPointF(r, 0),
                                           centre + QPointF(0, r), centre + QPointF(-r, 0)}));
            painter.setPen(Qt::black);
            painter.drawText(centre + QPointF(r + StartLabelGap, 4), startLabel());
            break;
        }
        case MissionPart::Checkpoints: {
            // Drawn once and kept: a hundred smoothed discs and numbers cost most of a redraw.
            const int side = static_cast<int>(2 * CheckpointRadius) + 4;
            const QPixmap& sprite =
                numbers.mark(mark.row, painter.font(), painter.device()->devicePixelRatioF(), side,
                             [&](QPainter& into, QPointF middle) {
                                 into.setPen(QPen(Qt::black, 1.5));
                                 into.setBrush(CheckpointColour);
                                 into.drawEllipse(middle, CheckpointRadius, CheckpointRadius);
                                 numberCentred(into, middle, mark.row, numbers);
                             });
            painter.drawPixmap(centre - QPointF(side / 2.0, side / 2.0), sprite);
            break;
        }
        case MissionPart::Cars: {
            const QColor colour = mark.playerCar ? PlayerCarColour : CarColour;
            const WorldPoint step = headingStep(mark.heading);
            const QPointF direction(step.x, -step.y);
            painter.setPen(QPen(colour, 2.5));
            painter.drawLine(centre, centre + direction * ArrowLength);
            painter.setBrush(colour);
            arrowHead(painter, centre + direction * (ArrowLength + 3), direction, 8);
            painter.setPen(
                QPen(mark.playerCar ? Qt::yellow : Qt::white, mark.playerCar ? 2.5 : 1.5));
            painter.drawEllipse(centre, CarRadius, CarRadius);
            break;
        }
        case MissionPart::Objects:
            painter.setPen(QPen(Qt::white, 1));
            painter.setBrush(ObjectColour);
            painter.drawRect(QRectF(centre - QPointF(3.5, 3.5), QSizeF(7, 7)));
            break;
        case MissionPart::Events:
        case MissionPart::Everything:
            break;
    }
}

// The driven path as lines, broken where the vehicle jumped.
void paintTrail(QPainter& painter, const MapView& view, const std::vector<WorldPoint>& trail) {
    painter.setPen(QPen(TrailColour, 2));
    QPolygonF piece;
    for (std::size_t i = 0; i < trail.size(); ++i) {
        if (i > 0 &&
            std::hypot(trail[i].x - trail[i - 1].x, trail[i].y - trail[i - 1].y) > TrailJump) {
            painter.drawPolyline(piece);
            piece.clear();
        }
        piece << at(view, trail[i]);
    }
    painter.drawPolyline(piece);
}

// The vehicle as an arrow pointing where it heads; the player on foot as a dot that looks where
// it heads.
void paintPlayer(QPainter& painter, const MapView& view, const PlayerMark& player) {
    const QPointF centre = at(view, player.at);
    const WorldPoint step = headingStep(player.heading);
    const QPointF direction(step.x, -step.y);
    const QPointF side(-direction.y(), direction.x());
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(PlayerColour);
    if (!player.inVehicle) {
        painter.drawEllipse(centre, 6, 6);
        painter.setPen(QPen(PlayerColour, 2.5));
        painter.drawLine(centre + direction * 6, centre + direction * 12);
        return;
    }
    painter.drawPolygon(QPolygonF({centre + direction * 14, centre - direction * 8 + side * 9,
                                   centre - direction * 3, centre - direction * 8 - side * 9}));
}

// A round length of world units whose bar is about 80 to 200 pixels long.
double scaleBarLength(double scale) {
    double length = 1;
    for (double candidate :
         {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0}) {
        length = candidate;
        if (candidate * scale >= 80) {
            break;
        }
    }
    return length;
}

}  // namespace

QString startLabel() {
    return QCoreApplication::translate("MapPainting", "Старт");
}

double labelReach(const QFontMetrics& metrics) {
    return StartRadius + StartLabelGap + metrics.horizontalAdvance(startLabel());
}

void paintGround(QPainter& painter, const MapView& view, MapBackground& background) {
    painter.fillRect(QRectF(0, 0, view.width(), view.height()), OutsideColour);
    const QRectF visible(0, 0, view.width(), view.height());
    painter.fillRect(screenRect(view, WholeWorld), PlainGroundColour);
    // Unsmoothed: smoothing the tiles of a whole state costs a quarter of a redraw.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int index = 0; index < RadarTileCount; ++index) {
        const QRectF target = screenRect(view, radarTileRect(index));
        if (!target.intersects(visible)) {
            continue;
        }
        if (const QImage* image = background.tile(index)) {
            painter.drawImage(target, *image);
        }
    }
}

void paintGrid(QPainter& painter, const MapView& view) {
    painter.setPen(QPen(QColor(0, 0, 0, 60), 1));
    for (double v = -WorldExtent; v <= WorldExtent; v += GridStep) {
        painter.drawLine(at(view, {v, -WorldExtent}), at(view, {v, WorldExtent}));
        painter.drawLine(at(view, {-WorldExtent, v}), at(view, {WorldExtent, v}));
    }
}

void paintRoads(QPainter& painter, const MapView& view, const RoadNetwork& roads) {
    const std::vector<RoadNode>& nodes = roads.nodes();
    std::vector<QPointF> points;
    points.reserve(nodes.size());
    for (const RoadNode& node : nodes) {
        points.push_back(at(view, {node.x, node.y}));
    }
    // Only the roads that may cross the view, all in one call: the whole state holds tens of
    // thousands.
    const QRectF visible(-1, -1, view.width() + 2, view.height() + 2);
    std::vector<QLineF> lines;
    lines.reserve(roads.links().size());
    for (const RoadLink& link : roads.links()) {
        const QPointF from = points[link.from];
        const QPointF to = points[link.to];
        if (std::max(from.x(), to.x()) < visible.left() ||
            std::min(from.x(), to.x()) > visible.right() ||
            std::max(from.y(), to.y()) < visible.top() ||
            std::min(from.y(), to.y()) > visible.bottom()) {
            continue;
        }
        lines.emplace_back(from, to);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(RoadColour, 1));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

void paintRoute(QPainter& painter, const MapView& view, const RouteScene& scene,
                const std::optional<std::pair<MissionPart, int>>& highlight, NumberTexts& numbers) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintLegs(painter, view, scene);
    // Objects often stand beside a checkpoint, whose number matters more, and cars on the start
    // point: later layers cover earlier ones.
    for (MissionPart part : {MissionPart::Objects, MissionPart::Parameters,
                             MissionPart::Checkpoints, MissionPart::Cars}) {
        for (const RouteMark& mark : scene.marks) {
            if (mark.part == part) {
                paintMark(painter, view, mark, numbers);
            }
        }
    }
    if (highlight) {
        for (const RouteMark& mark : scene.marks) {
            if (mark.part == highlight->first && mark.row == highlight->second) {
                painter.setPen(QPen(HighlightColour, 3));
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(at(view, mark.at), 15, 15);
            }
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void paintOverlay(QPainter& painter, const MapView& view, const GameOverlay& overlay) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintTrail(painter, view, overlay.trail);
    painter.setPen(QPen(TrailColour, 2));
    painter.setBrush(LaidColour);
    for (const WorldPoint& point : overlay.laid) {
        painter.drawEllipse(at(view, point), 6, 6);
    }
    if (overlay.player) {
        paintPlayer(painter, view, *overlay.player);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void paintScaleBar(QPainter& painter, const MapView& view) {
    const double length = scaleBarLength(view.scale());
    const double pixels = length * view.scale();
    const QPointF left(12, view.height() - 14);
    const QPointF right = left + QPointF(pixels, 0);
    painter.fillRect(QRectF(left - QPointF(6, 20), QSizeF(pixels + 60, 28)),
                     QColor(255, 255, 255, 190));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(left, right);
    painter.drawLine(left, left - QPointF(0, 6));
    painter.drawLine(right, right - QPointF(0, 6));
    painter.drawText(right + QPointF(6, 4),
                     QCoreApplication::translate("MapPainting", "%1 м").arg(length));
}

}  // namespace qv::ui
