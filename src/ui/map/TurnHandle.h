#pragma once

#include <QPointF>

class QPainter;

namespace qv::ui {

// The handle that turns the selected car or object: a ring on its heading, past the tip of a
// car's arrow, for a mark at `centre` (on the screen) facing `heading` degrees.
QPointF turnHandlePoint(QPointF centre, double heading);
// Draws the handle at `handle` joined to the mark at `centre`.
void paintTurnHandle(QPainter& painter, QPointF centre, QPointF handle);

}  // namespace qv::ui
