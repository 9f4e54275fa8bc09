#pragma once

#include <optional>
#include <utility>

#include "gamedata/MapGeometry.h"
#include "gamedata/RoadNetwork.h"
#include "ui/map/MapCanvas.h"
#include "ui/map/NumberTexts.h"

class QFontMetrics;
class QPainter;
class QString;

namespace qv::ui {

class MapBackground;

// The start's label, written to the right of its mark.
QString startLabel();
// How far to the right of a mark's centre its label reaches, in the map's font.
double labelReach(const QFontMetrics& metrics);

// The layers of the map, drawn in this order.
void paintGround(QPainter& painter, const MapView& view, MapBackground& background);
void paintGrid(QPainter& painter, const MapView& view);
void paintRoads(QPainter& painter, const MapView& view, const RoadNetwork& roads);
void paintRoute(QPainter& painter, const MapView& view, const RouteScene& scene,
                const std::optional<std::pair<MissionPart, int>>& highlight, NumberTexts& numbers);
void paintOverlay(QPainter& painter, const MapView& view, const GameOverlay& overlay);
void paintScaleBar(QPainter& painter, const MapView& view);

}  // namespace qv::ui
