#include "ui/map/MapEditor.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "ui/common/MissionTreeView.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"
#include "ui/map/MapBackground.h"
#include "ui/map/MapCanvas.h"

namespace qv::ui {

MapEditor::MapEditor(EditorApp& app, MapCanvas& canvas, const MapBackground& background,
                     QLabel& heightLine)
    : QObject(&canvas),
      app_(app),
      canvas_(canvas),
      background_(background),
      heightLine_(heightLine) {
    snap_ = makeAction("SnapToRoadsAction", tr("Привязка к дорогам"));
    snap_->setCheckable(true);
    snap_->setToolTip(
        tr("Перенесённая или добавленная точка встаёт на ближайший узел дороги "
           "(или держите Ctrl)"));
    connect(snap_, &QAction::toggled, &canvas_, &MapCanvas::setSnapToRoads);

    menu_ = new QMenu(&canvas_);
    menu_->setObjectName(QStringLiteral("RouteMapMenu"));
    const std::pair<const char*, QString> adds[] = {
        {"AddCheckpointHereAction", tr("Добавить чекпоинт здесь")},
        {"AddCarHereAction", tr("Добавить машину здесь")},
        {"AddObjectHereAction", tr("Добавить объект здесь")},
    };
    const MissionPart parts[] = {MissionPart::Checkpoints, MissionPart::Cars, MissionPart::Objects};
    for (std::size_t i = 0; i < std::size(adds); ++i) {
        addAction(*makeAction(adds[i].first, adds[i].second), parts[i]);
    }
    menu_->addSeparator();
    delete_ = makeAction("DeleteMarkAction", tr("Удалить выбранный"));
    delete_->setShortcut(QKeySequence(QKeySequence::Delete));
    delete_->setShortcutContext(Qt::WidgetShortcut);
    canvas_.addAction(delete_);
    menu_->addAction(delete_);
    app_.connectCommand(delete_, &QAction::triggered, this, [this] { deleteSelected(); });
    menu_->addSeparator();
    menu_->addAction(snap_);

    connect(&canvas_, &MapCanvas::menuRequested, this, &MapEditor::showMenu);
    app_.connectCommand(
        &canvas_, &MapCanvas::markMoved, this,
        [this](MissionPart part, int row, const MarkDrop& drop) { moveMark(part, row, drop); });
    app_.connectCommand(
        &canvas_, &MapCanvas::markTurned, this,
        [this](MissionPart part, int row, double heading) { turnMark(part, row, heading); });
    connect(&canvas_, &MapCanvas::markDragged, this,
            [this](MissionPart part, int row, const MarkDrop& drop) {
                showHeight(markPlace(app_.mission(), background_.roads(), part, row, drop));
            });
}

QAction* MapEditor::makeAction(const char* name, const QString& text) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void MapEditor::addAction(QAction& action, MissionPart part) {
    menu_->addAction(&action);
    app_.connectCommand(&action, &QAction::triggered, this,
                        [this, part] { addMark(part, menuPoint_); });
}

void MapEditor::moveMark(MissionPart part, int row, const MarkDrop& drop) {
    canvas_.holdView();
    showHeight(qv::moveMark(app_.mission(), background_.roads(), part, row, drop));
}

void MapEditor::turnMark(MissionPart part, int row, double heading) {
    canvas_.holdView();
    qv::turnMark(app_.mission(), part, row, heading);
}

int MapEditor::addMark(MissionPart part, WorldPoint at) {
    canvas_.holdView();
    Mission& mission = app_.mission();
    const int selected = app_.mainWindow().checkpointTree().selectedRow();
    const int row = part == MissionPart::Checkpoints && selected > 0 ? selected + 1
                                                                     : mission.rowCount(part) + 1;
    const auto [added, place] = qv::addMark(mission, background_.roads(), part, row,
                                            {at, snap_->isChecked(), canvas_.snapReach()});
    canvas_.setHighlight(std::pair(part, added));
    showHeight(place);
    return added;
}

void MapEditor::deleteSelected() {
    const std::optional<std::pair<MissionPart, int>> selected = canvas_.highlight();
    if (!selected || selected->first == MissionPart::Parameters ||
        selected->second > app_.mission().rowCount(selected->first)) {
        app_.dialogs().beep();
        return;
    }
    canvas_.holdView();
    canvas_.setHighlight(std::nullopt);
    app_.mission().removeRow(selected->first, selected->second);
}

void MapEditor::showMenu(double x, double y, QPoint globalPosition) {
    menuPoint_ = {x, y};
    const std::optional<std::pair<MissionPart, int>> selected = canvas_.highlight();
    delete_->setEnabled(selected && selected->first != MissionPart::Parameters);
    menu_->popup(globalPosition);
}

void MapEditor::showHeight(const MarkPlace& place) {
    heightLine_.setText(heightText(place, !background_.roads().empty()));
}

QString heightText(const MarkPlace& place, bool roadsKnown) {
    const QString z = QString::number(place.z, 'f', 2);
    switch (place.height) {
        case HeightSource::Road:
            return place.snapped ? qv::ui::MapEditor::tr("Высота %1: узел дороги (привязка)").arg(z)
                                 : qv::ui::MapEditor::tr("Высота %1: узел дороги в %2 м")
                                       .arg(z)
                                       .arg(place.roadDistance, 0, 'f', 1);
        case HeightSource::Route: {
            const RouteNeighbours& n = place.between;
            if (n.beforeRow != 0 && n.afterRow != 0) {
                return qv::ui::MapEditor::tr("Высота %1: между чекпоинтами %2 и %3")
                    .arg(z)
                    .arg(n.beforeRow)
                    .arg(n.afterRow);
            }
            return qv::ui::MapEditor::tr("Высота %1: как у чекпоинта %2")
                .arg(z)
                .arg(n.beforeRow != 0 ? n.beforeRow : n.afterRow);
        }
        case HeightSource::Own:
            break;
    }
    return roadsKnown ? qv::ui::MapEditor::tr("Высота (Z) не меняется: дороги дальше %1 м")
                            .arg(RoadHeightReach)
                      : qv::ui::MapEditor::tr("Высота (Z) не меняется: дороги игры не прочитаны");
}

}  // namespace qv::ui
