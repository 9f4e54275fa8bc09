#pragma once

#include <QObject>
#include <QPoint>

#include "gamelink/MapEdits.h"

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace qv::ui {

class EditorApp;
class MapBackground;
class MapCanvas;

// The route map's changes to the race, each one step of the mission's history made through its
// one edit path: a mark dragged to another place or a heading turned on the map, a mark added
// from the map's context menu ("Добавить чекпоинт здесь", after the checkpoint selected in its
// tree or at the end; "Добавить машину здесь", "Добавить объект здесь" at the end, each with the
// add dialog's defaults) and the selected mark's row removed by Delete or "Удалить выбранный".
// "Привязка к дорогам" (or Ctrl held) snaps a moved or added point to the nearest road node.
// `heightLine` says where the height of the mark put down last came from.
class MapEditor final : public QObject {
    Q_OBJECT

  public:
    MapEditor(EditorApp& app, MapCanvas& canvas, const MapBackground& background,
              QLabel& heightLine);

    QAction& snapAction() const { return *snap_; }

    // The edits, as the gestures make them. Errors (a 101st row) reach the caller.
    void moveMark(MissionPart part, int row, const MarkDrop& drop);
    void turnMark(MissionPart part, int row, double heading);
    // Adds a mark of `part` at `at`, snapped when snapping is on, and selects it; returns its
    // row.
    int addMark(MissionPart part, WorldPoint at);
    // Removes the row of the selected mark; the start point stays.
    void deleteSelected();

  private:
    QAction* makeAction(const char* name, const QString& text);
    void addAction(QAction& action, MissionPart part);
    void showMenu(double x, double y, QPoint globalPosition);
    void showHeight(const MarkPlace& place);

    EditorApp& app_;
    MapCanvas& canvas_;
    const MapBackground& background_;
    QLabel& heightLine_;
    QAction* snap_;
    QAction* delete_;
    QMenu* menu_;
    WorldPoint menuPoint_;
};

// Where the height of a mark put at `place` came from, as the line under the map says it;
// `roadsKnown`: whether the game's roads were read.
QString heightText(const MarkPlace& place, bool roadsKnown);

}  // namespace qv::ui
