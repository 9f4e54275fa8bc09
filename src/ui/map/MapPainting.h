#pragma once

#include <optional>
#include <utility>

#include "gamedata/MapGeometry.h"
#include "gamedata/RoadNetwork.h"
#include "ui/map/MapCanvas.h"
#include "ui/map/NumberTexts.h"

class QPainter;

namespace qv::ui {

class MapBackground;

// The layers of the map, drawn in this order.
void paintGround(QPainter& painter, const MapView& view, MapBackground& background);
void paintGrid(QPainter& painter, const MapView& view);
void paintRoads(QPainter& painter, const MapView& view, const RoadNetwork& roads);
void paintRoute(QPainter& painter, const MapView& view, const RouteScene& scene,
                const std::optional<std::pair<MissionPart, int>>& highlight, NumberTexts& numbers);
void paintOverlay(QPainter& painter, const MapView& view, const GameOverlay& overlay);
void paintScaleBar(QPainter& painter, const MapView& view);

}  // namespace qv::ui
