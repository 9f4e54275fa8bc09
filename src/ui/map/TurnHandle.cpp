#include "ui/map/TurnHandle.h"

#include <QPainter>

#include "gamedata/RouteMarks.h"

namespace qv::ui {
namespace {

constexpr double HandleDistance = 30;
constexpr double HandleRadius = 5;
const QColor HandleColour(0, 220, 255);

}  // namespace

QPointF turnHandlePoint(QPointF centre, double heading) {
    const WorldPoint step = headingStep(heading);
    return centre + QPointF(step.x, -step.y) * HandleDistance;
}

void paintTurnHandle(QPainter& painter, QPointF centre, QPointF handle) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(HandleColour, 1.5, Qt::DashLine));
    painter.drawLine(centre, handle);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(HandleColour);
    painter.drawEllipse(handle, HandleRadius, HandleRadius);
    painter.restore();
}

}  // namespace qv::ui
